// The exact layout of a rewritten highscore file, checked independently of
// the program's own reader and writer: ten integers, each an optional "-"
// and digits without a leading zero, each followed by exactly one blank.
// Header-only, so the fuzz targets can use it without the test libraries.
#pragma once

#include <cstddef>
#include <string>

namespace velmo::test {

inline bool IsExactHighscoreLayout(const std::string& text)
{
    std::size_t pos = 0;
    for (int i = 0; i < 10; ++i) {
        if (pos < text.size() && text[pos] == '-')
            ++pos;
        const std::size_t digits = pos;
        while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9')
            ++pos;
        if (pos == digits || (text[digits] == '0' && pos - digits > 1) || pos >= text.size() || text[pos] != ' ')
            return false;
        ++pos;
    }
    return pos == text.size();
}

} // namespace velmo::test
