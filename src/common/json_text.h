// JSON string escaping: the replay tool's output lines and the layout the web page reads.
#pragma once

#include <string>
#include <string_view>

namespace velmo {

// `text` as a JSON string literal, quotes included.  Bytes that are not
// valid UTF-8 are written as \u00XX escapes of the byte, so every line the
// tool prints is valid JSON.
std::string JsonString(std::string_view text);

} // namespace velmo
