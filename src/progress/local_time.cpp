#include "progress/local_time.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace velmo {
namespace {

constexpr std::int64_t kMsPerSecond = 1000;
constexpr std::int64_t kMsPerMinute = 60 * kMsPerSecond;
constexpr std::int64_t kMsPerHour = 60 * kMsPerMinute;
constexpr std::int64_t kMsPerDay = 24 * kMsPerHour;

// YYYY-MM-DDTHH:MM:SS.mmm+HH:MM
constexpr std::size_t kTextLength = 29;

std::int64_t FloorDivide(std::int64_t value, std::int64_t divisor)
{
    const std::int64_t quotient = value / divisor;
    return quotient - (value % divisor < 0 ? 1 : 0);
}

// The unsigned decimal of `count` digits at `at`, or -1.
int Digits(std::string_view text, std::size_t at, std::size_t count)
{
    int value = 0;
    for (std::size_t i = at; i < at + count; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

} // namespace

std::string FormatLocalTime(LocalTime time)
{
    const std::int64_t local = time.unixMs + time.offsetMinutes * kMsPerMinute;
    const std::int64_t days = FloorDivide(local, kMsPerDay);
    const std::int64_t ms = local - days * kMsPerDay;
    const std::chrono::year_month_day date{std::chrono::sys_days{std::chrono::days{days}}};
    const int offset = std::abs(time.offsetMinutes);
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02d:%02d:%02d.%03d%c%02d:%02d", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
                  static_cast<int>(ms / kMsPerHour), static_cast<int>(ms / kMsPerMinute % 60),
                  static_cast<int>(ms / kMsPerSecond % 60), static_cast<int>(ms % kMsPerSecond),
                  time.offsetMinutes < 0 ? '-' : '+', offset / 60, offset % 60);
    return text;
}

std::optional<LocalTime> ParseLocalTime(std::string_view text)
{
    if (text.size() != kTextLength || text[4] != '-' || text[7] != '-' || text[10] != 'T' || text[13] != ':' ||
        text[16] != ':' || text[19] != '.' || (text[23] != '+' && text[23] != '-') || text[26] != ':')
        return std::nullopt;
    const int year = Digits(text, 0, 4), month = Digits(text, 5, 2), day = Digits(text, 8, 2);
    const int hour = Digits(text, 11, 2), minute = Digits(text, 14, 2), second = Digits(text, 17, 2);
    const int milli = Digits(text, 20, 3), offsetHours = Digits(text, 24, 2), offsetMinutes = Digits(text, 27, 2);
    const std::chrono::year_month_day date{std::chrono::year{year}, std::chrono::month{static_cast<unsigned>(month)},
                                           std::chrono::day{static_cast<unsigned>(day)}};
    if (year < 0 || month < 0 || day < 0 || !date.ok() || hour < 0 || hour > 23 || minute < 0 || minute > 59 ||
        second < 0 || second > 59 || milli < 0 || offsetHours < 0 || offsetHours > 23 || offsetMinutes < 0 ||
        offsetMinutes > 59)
        return std::nullopt;
    const std::int32_t offset = (text[23] == '-' ? -1 : 1) * (offsetHours * 60 + offsetMinutes);
    const std::int64_t local = std::chrono::sys_days{date}.time_since_epoch().count() * kMsPerDay + hour * kMsPerHour +
                               minute * kMsPerMinute + second * kMsPerSecond + milli;
    return LocalTime{local - offset * kMsPerMinute, offset};
}

} // namespace velmo
