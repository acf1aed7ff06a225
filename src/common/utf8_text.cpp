#include "common/utf8_text.h"

#include <cstdint>
#include <cstring>

namespace velmo {
namespace {

constexpr std::size_t kExcerptBytes = 80;

bool IsContinuation(unsigned char c)
{
    return (c & 0xC0) == 0x80;
}

} // namespace

std::size_t Utf8SequenceLength(std::string_view text, std::size_t i)
{
    const auto b = static_cast<unsigned char>(text[i]);
    if (b < 0x80)
        return 1;
    std::size_t len = 0;
    unsigned min = 0;
    if (b >= 0xC2 && b <= 0xDF) {
        len = 2;
        min = 0x80;
    } else if (b >= 0xE0 && b <= 0xEF) {
        len = 3;
        min = 0x800;
    } else if (b >= 0xF0 && b <= 0xF4) {
        len = 4;
        min = 0x10000;
    } else {
        return 0;
    }
    if (i + len > text.size())
        return 0;
    unsigned cp = b & (0xFF >> (len + 1));
    for (std::size_t k = 1; k < len; ++k) {
        const auto c = static_cast<unsigned char>(text[i + k]);
        if (!IsContinuation(c))
            return 0;
        cp = (cp << 6) | (c & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return len;
}

bool IsValidUtf8(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        // Logs and score files are nearly all ASCII: eight bytes at a time
        // while none has its high bit set.
        std::uint64_t eight = 0;
        if (i + sizeof eight <= text.size()) {
            std::memcpy(&eight, text.data() + i, sizeof eight);
            if ((eight & 0x8080808080808080ULL) == 0) {
                i += sizeof eight;
                continue;
            }
        }
        const std::size_t len = Utf8SequenceLength(text, i);
        if (len == 0)
            return false;
        i += len;
    }
    return true;
}

std::string Excerpt(std::string_view text)
{
    if (text.size() <= kExcerptBytes)
        return std::string(text);
    std::size_t end = kExcerptBytes;
    // Back up over at most three continuation bytes to the start of the
    // character that would be cut.
    for (int k = 0; k < 3 && end > 0 && IsContinuation(static_cast<unsigned char>(text[end])); ++k)
        --end;
    return std::string(text.substr(0, end)) + "...";
}

std::string ToValidUtf8(std::string_view text)
{
    std::string valid;
    valid.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = Utf8SequenceLength(text, i);
        if (length == 0) {
            valid += "\xEF\xBF\xBD";
            ++i;
        } else {
            valid += text.substr(i, length);
            i += length;
        }
    }
    return valid;
}

} // namespace velmo
