#include "progress/utf8_text.h"

#include <cstddef>

namespace velmo {
namespace {

bool InRange(unsigned char byte, unsigned char low, unsigned char high)
{
    return byte >= low && byte <= high;
}

// The length of the well-formed sequence at the start of `text`, or 0.
std::size_t SequenceLength(std::string_view text)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned char low = 0x80;  // the second byte's range, narrowed where the
    unsigned char high = 0xBF; // lead alone would allow an overlong or surrogate
    if (InRange(lead, 0xC2, 0xDF))
        length = 2;
    else if (InRange(lead, 0xE0, 0xEF)) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (InRange(lead, 0xF0, 0xF4)) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else
        return 0;
    if (text.size() < length || !InRange(byte(1), low, high))
        return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (!InRange(byte(i), 0x80, 0xBF))
            return 0;
    return length;
}

} // namespace

bool IsValidUtf8(std::string_view text)
{
    while (!text.empty()) {
        const std::size_t length = SequenceLength(text);
        if (length == 0)
            return false;
        text.remove_prefix(length);
    }
    return true;
}

std::string ToValidUtf8(std::string_view text)
{
    if (IsValidUtf8(text))
        return std::string(text);
    std::string valid;
    while (!text.empty()) {
        const std::size_t length = SequenceLength(text);
        if (length == 0) {
            valid += "\xEF\xBF\xBD";
            text.remove_prefix(1);
        } else {
            valid += text.substr(0, length);
            text.remove_prefix(length);
        }
    }
    return valid;
}

} // namespace velmo
