// The Progress view's numbers as the web page reads them: one JSON object
// with the log's state and, for each scoring panel (under its caption in
// the dialog), its sessions within the span, the best and fastest of them, what their share counts,
// and the timed quizzes' mistakes.  Every rule (what a session is, the span,
// the best) is the C++ summary's; the page only draws what this says.
#pragma once

#include "progress/practice_log.h"

#include <string>

namespace velmo {

std::string ProgressJson(PracticeLog& log, ProgressSpan span);

} // namespace velmo
