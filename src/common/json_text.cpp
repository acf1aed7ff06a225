#include "common/json_text.h"

#include "common/utf8_text.h"

#include <cstdio>

namespace velmo {
namespace {

void AppendEscape(std::string& out, unsigned value)
{
    char buf[8];
    std::snprintf(buf, sizeof buf, "\\u%04x", value);
    out += buf;
}

} // namespace

std::string JsonString(std::string_view text)
{
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0x80) {
            const std::size_t len = Utf8SequenceLength(text, i);
            if (len == 0) {
                AppendEscape(out, c);
                ++i;
            } else {
                out.append(text.substr(i, len));
                i += len;
            }
            continue;
        }
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        default:
            if (c < 0x20 || c == 0x7F)
                AppendEscape(out, c);
            else
                out += static_cast<char>(c);
        }
        ++i;
    }
    out += '"';
    return out;
}

} // namespace velmo
