#include "progress/log_record.h"

#include <array>

namespace velmo {
namespace {

// In the order of the enums.
constexpr std::array<std::string_view, kLogPanelCount> kPanelWords = {"preflop", "tournament", "odds",    "fold",
                                                                      "range",   "tilt",       "patience"};
constexpr std::array<std::string_view, 5> kEventWords = {"answer", "session-end", "press", "done", "verdict"};

template <typename Enum, std::size_t N>
std::optional<Enum> FromWord(const std::array<std::string_view, N>& words, std::string_view word)
{
    for (std::size_t i = 0; i < N; ++i)
        if (words[i] == word)
            return static_cast<Enum>(i);
    return std::nullopt;
}

} // namespace

std::string_view PanelWord(LogPanel panel)
{
    return kPanelWords[static_cast<std::size_t>(panel)];
}
std::optional<LogPanel> PanelFromWord(std::string_view word)
{
    return FromWord<LogPanel>(kPanelWords, word);
}
std::string_view EventWord(LogEvent event)
{
    return kEventWords[static_cast<std::size_t>(event)];
}
std::optional<LogEvent> EventFromWord(std::string_view word)
{
    return FromWord<LogEvent>(kEventWords, word);
}

} // namespace velmo
