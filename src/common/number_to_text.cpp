#include "common/number_to_text.h"

#include "common/file_system.h"
#include "common/platform.h"

#include <cstdio>
#include <cstring>
#include <istream>

namespace velmo {

std::string FormatGeneral(float value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%g", static_cast<double>(value));
    std::string text(buffer);
    // The exponent has at least three digits: 1e+06 becomes 1e+006.
    const auto e = text.find('e');
    if (e != std::string::npos && e + 2 <= text.size()) {
        const std::size_t digitsStart = e + 2;
        const std::size_t digits = text.size() - digitsStart;
        if (digits < 3)
            text.insert(digitsStart, 3 - digits, '0');
    }
    return text;
}

std::string NumberToText(FileSystem& files, float value)
{
    bool opened = false;
    if (!files.WriteScratch(kScratchFileName, FormatGeneral(value), &opened))
        return kScratchWriteFailure; // not opened, or the write itself failed (a full disk)

    auto in = files.OpenForReading(kScratchFileName);
    if (!in)
        return kScratchReadFailure; // the scratch file stays where it is

    std::string result;
    char c;
    while (*in >> c) // formatted extraction skips white space
        result.push_back(c);
    in.reset();
    files.Remove(kScratchFileName);
    return result;
}

std::string NumberToText(Platform& platform, float value)
{
    return NumberToText(platform.files(), value);
}

void ShowNumber(Platform& platform, int boxId, float value)
{
    platform.SetWindowText(boxId, NumberToText(platform, value));
}

} // namespace velmo
