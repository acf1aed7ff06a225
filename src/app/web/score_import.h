// "Load scores": a highscore file from the desktop or another browser
// merged into the one kept here.  Each slot keeps the higher of the two
// values, so no best score is ever lowered; a file that is not a highscore
// list changes nothing.
#pragma once

#include "common/file_system.h"
#include "scores/highscore_file.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>

namespace velmo {

// A highscore file is ten short numbers: anything larger is refused unread.
inline constexpr std::size_t kMaxScoreFileBytes = 64 * 1024;

// The slots of a file's bytes, or why they are refused: too large, not text,
// or text that is not one to ten whole numbers separated by white space
// (a UTF-8 byte-order mark at the start is allowed).
std::variant<HighscoreSlots, std::string> ParseScoreFile(std::string_view bytes);

// Raises every slot of `kept` that `loaded` beats; the lines saying what
// changed, empty when nothing did.
std::string RaiseSlots(HighscoreSlots& kept, const HighscoreSlots& loaded);

// Parses `bytes` and merges them into the highscore file under its lock;
// the message telling the player what happened.
std::string LoadScores(FileSystem& files, std::string_view bytes);

} // namespace velmo
