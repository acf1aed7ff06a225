// Small helpers of the self-check tests: the highscore file's slots as the
// program reads them, and the first draw after a reseed (support/first_rand.h).
#pragma once

#include "scores/highscore_file.h"
#include "support/first_rand.h"
#include "support/temp_work_dir.h"

#include <cstdint>
#include <sstream>
#include <string>

namespace velmo::test {

inline HighscoreSlots FileSlots()
{
    std::istringstream in(ReadFile(kHighscoreFileName));
    return ParseHighscoreValues(in).slots;
}

inline void WriteSlot(int slot, std::int32_t value)
{
    HighscoreSlots slots{};
    slots[static_cast<std::size_t>(slot)] = value;
    WriteFile(kHighscoreFileName, FormatHighscoreValues(slots));
}

} // namespace velmo::test
