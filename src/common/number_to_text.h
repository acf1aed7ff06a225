// NumberToText: the text of every number the program shows.
//
// The number goes through the scratch file "studs1.txt" in the working
// directory and back, as the program always did: written in the general
// format with six significant digits and an exponent of at least three
// digits (1e+006) to a file created afresh under that name, read back
// without white space through the same open file, then deleted.  Only a
// plain file no running program holds (a scratch file a killed run left) is
// removed first; anything else under the name stays, is never written
// through, and gives the first problem.
// A scratch file that cannot be written gives "Quorvix file problem 1",
// one that cannot be read back "Quorvix file problem 2".
#pragma once

#include <string>

namespace velmo {

class FileSystem;
class Platform;

inline constexpr const char* kScratchFileName = "studs1.txt";
inline constexpr const char* kScratchWriteFailure = "Quorvix file problem 1";
inline constexpr const char* kScratchReadFailure = "Quorvix file problem 2";

// The characters the stream library writes for `value` (widened to double):
// printf's %g with precision 6, the exponent padded to three digits.
std::string FormatGeneral(float value);

std::string NumberToText(FileSystem& files, float value);
std::string NumberToText(Platform& platform, float value);

// Sets box `boxId` to the text of `value`, as every score box is written.
void ShowNumber(Platform& platform, int boxId, float value);

} // namespace velmo
