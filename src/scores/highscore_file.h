// "Highscores.txt": ten slots of best scores, kept across runs.
//
// The file holds ten decimal integers, each followed by one blank, with no
// line break.  Reading accepts any white space between values and stops at
// the first text that is not an integer; missing slots read as 0.  Every
// rewrite goes through FileSystem::Rewrite or Update, so a failed rewrite
// never costs the scores already stored, and the read and rewrite of one
// offer never interleave with another program's.  Trainers offer their
// scores with UpdateHighscore at the end of a session; the SCORES panel
// reads and rewrites the whole list.
#pragma once

#include "common/file_system.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace velmo {

class Platform;

inline constexpr const char* kHighscoreFileName = "Highscores.txt";
inline constexpr const char* kHighscoreGone = "Highscore list gone?";
// Each panel that keeps a best score names its slot in its own header
// (slots::kPreflop in preflop/preflop_panel.h, and so on).
inline constexpr int kHighscoreSlotCount = 10;

using HighscoreSlots = std::array<std::int32_t, kHighscoreSlotCount>;

// The values the file supplied, at most ten (only ten are ever used, so
// reading stops there).  A UTF-8 byte-order mark at the very start is skipped.
struct HighscoreValues {
    HighscoreSlots slots{};
    int count = 0;         // how many slots the file supplied; the rest are 0
    bool complete = false; // nothing but white space follows the values read
};

// nullopt when the file cannot be opened for reading.
std::optional<HighscoreValues> ReadHighscoreValues(FileSystem& files);
// The one reading of a highscore list, the file's and an imported one's.
HighscoreValues ParseHighscoreValues(std::istream& in);

// "0 0 0 0 0 0 0 0 0 0 ": each value followed by one blank.
std::string FormatHighscoreValues(const HighscoreSlots& slots);

// True when the file was written in full.
bool WriteHighscoreValues(FileSystem& files, const HighscoreSlots& slots);

// Under the file's lock: reads the slots (missing ones as 0), lets `change`
// alter them, and rewrites the file when it returns true, so that the read,
// the decision and the rewrite never interleave with another program's.
UpdateOutcome UpdateHighscoreSlots(FileSystem& files, const std::function<bool(HighscoreSlots&)>& change);

// At start-up: removes the temporary files of rewrites that were killed, and
// creates the file with ten zeros where none exists.  An existing file is
// left untouched, even one that cannot be opened.  Failures are silent.
void EnsureHighscoreFile(FileSystem& files);

enum class HighscoreOutcome {
    FileMissing,  // the file cannot be opened (missing, a directory, a link loop)
    LockTimedOut, // another program kept the file locked past the bounded wait
    WriteFailed,  // read, but the rewrite failed; the old list stays
    NotBeaten,
    NewHighscore,
};

struct HighscoreResult {
    HighscoreOutcome outcome;
    std::int32_t stored; // the value now in the slot (for NewHighscore)
};

// Offers `score` to `slot`.  A missing file, one another program keeps
// locked past the file system's bounded wait, or a rewrite that fails, shows
// "Highscore list gone?" (no caption of its own) and gives the outcome that
// says which, so no caller announces a highscore that was not stored.
HighscoreResult UpdateHighscore(Platform& platform, int slot, std::int32_t score);

// The Patience points: compared as a real number, stored truncated toward zero.
HighscoreResult UpdateHighscore(Platform& platform, int slot, float points);

// "Highscore! " followed by the text of the stored value.
std::string HighscoreText(Platform& platform, const HighscoreResult& result);

} // namespace velmo
