// UTF-8 (the program's texts and paths) to UTF-16 (the W functions of the
// Windows API) and back.  Windows builds only.
#pragma once

#include <string>
#include <string_view>

namespace velmo {

std::wstring WidenUtf8(std::string_view utf8);
std::string NarrowToUtf8(std::wstring_view utf16);

} // namespace velmo
