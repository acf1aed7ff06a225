// The Progress view as the web page reads it: one JSON object with the
// log's state line and, for each scoring panel (under its caption in the
// dialog), its sessions' table and charts within the span and the timed
// quizzes' mistakes, every text already written as the desktop views write
// it (progress_texts.h, progress_charts.h).  Every rule and every word is
// the program's; the page only lays out what this says.
#pragma once

#include "progress/practice_log.h"

#include <string>

namespace velmo {

std::string ProgressJson(PracticeLog& log, ProgressSpan span);

} // namespace velmo
