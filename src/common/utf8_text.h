// UTF-8 checks: typed texts must be valid UTF-8, the JSON strings escape
// whatever is not, the practice log writes only valid UTF-8 (so that it can
// take a line that is not for damage), and error messages quote only the start of a long line.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace velmo {

// Length of the valid UTF-8 sequence that starts at byte `i` (1 for ASCII),
// or 0 where no valid sequence starts: a stray continuation byte, a sequence
// cut short, an overlong form, a UTF-16 surrogate or a value past U+10FFFF.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t i);

bool IsValidUtf8(std::string_view text);

// `text` with each byte that starts no valid sequence replaced by U+FFFD;
// valid text comes back unchanged.
std::string ToValidUtf8(std::string_view text);

// `text` as an error message quotes it: whole when it is at most 80 bytes,
// otherwise its first 80 bytes (fewer, so as not to split a character)
// followed by "...".
std::string Excerpt(std::string_view text);

} // namespace velmo
