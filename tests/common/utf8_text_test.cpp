#include "common/utf8_text.h"

#include <gtest/gtest.h>

#include <string>

namespace velmo {
namespace {

// ASCII runs are checked eight bytes at a time: a bad byte or a character
// must be judged the same wherever it falls against those blocks.
TEST(Utf8Text, JudgesEveryByteWhereverItStandsAgainstTheAsciiBlocks)
{
    for (std::size_t at = 0; at <= 17; ++at) {
        const std::string before(at, 'a');
        const std::string after(9, 'z');
        SCOPED_TRACE(at);
        EXPECT_TRUE(IsValidUtf8(before + "\xC3\xA9" + after));         // é
        EXPECT_TRUE(IsValidUtf8(before + "\xF0\x9F\x82\xA1" + after)); // a playing card
        EXPECT_FALSE(IsValidUtf8(before + "\xFF" + after));            // never in UTF-8
        EXPECT_FALSE(IsValidUtf8(before + "\xC0\xAF" + after));        // overlong
        EXPECT_FALSE(IsValidUtf8(before + "\xED\xA0\x80" + after));    // a surrogate
        EXPECT_FALSE(IsValidUtf8(before + "\x80" + after));            // a lone continuation
        EXPECT_FALSE(IsValidUtf8(before + "\xE2\x82"));                // cut short at the end
    }
}

} // namespace
} // namespace velmo
