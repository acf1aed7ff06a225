// UTF-8 checks for the practice log: the writer makes every text valid
// UTF-8, so that the reader can take a line that is not as hand-edited or
// binary damage.
#pragma once

#include <string>
#include <string_view>

namespace velmo {

// Whether `text` is well-formed UTF-8 (no overlong forms, surrogates or
// code points beyond U+10FFFF).
bool IsValidUtf8(std::string_view text);

// `text` with each byte that starts no well-formed sequence replaced by
// U+FFFD; valid text comes back unchanged.
std::string ToValidUtf8(std::string_view text);

} // namespace velmo
