// "Load scores": a highscore file from the desktop or another browser
// merged into the one kept here.  Each slot keeps the higher of the two
// values, so no best score is ever lowered; a file that is not a highscore
// list changes nothing.
#pragma once

#include "common/file_system.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace velmo {

// A highscore file is ten short numbers: anything larger is refused unread.
inline constexpr std::size_t kMaxScoreFileBytes = 64 * 1024;

// Parses `bytes` and merges them into the highscore file under its lock;
// the message telling the player what happened.
std::string LoadScores(FileSystem& files, std::string_view bytes);

} // namespace velmo
