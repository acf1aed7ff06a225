#include "common/number_to_text.h"

#include "common/file_system.h"
#include "common/platform.h"

#include <cctype>
#include <cstdio>

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
    const ScratchRoundTrip trip = files.RoundTripScratch(kScratchFileName, FormatGeneral(value));
    switch (trip.status) {
    case ScratchRoundTrip::Status::NotWritten: return kScratchWriteFailure; // a full disk too
    case ScratchRoundTrip::Status::NotReadBack: return kScratchReadFailure;
    case ScratchRoundTrip::Status::Done: break;
    }
    // What a formatted character extraction gives: the white space skipped.
    std::string result;
    for (char c : trip.readBack)
        if (!std::isspace(static_cast<unsigned char>(c)))
            result.push_back(c);
    return result;
}

std::string NumberToText(Platform& platform, float value)
{
    return NumberToText(platform.files(), value);
}

void ShowNumber(Platform& platform, int boxId, float value)
{
    platform.SetBoxText(boxId, NumberToText(platform, value));
}

} // namespace velmo
