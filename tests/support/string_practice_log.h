// A practice log held in a string, for the Progress view's tests and
// benchmark: on while `on` says so, read with the real reader, and
// recording what the view asked of it.
#pragma once

#include "progress/log_line.h"
#include "progress/practice_log.h"

#include <sstream>
#include <utility>

namespace velmo::test {

class StringPracticeLog : public PracticeLog {
public:
    explicit StringPracticeLog(std::string text = {}, std::int64_t nowUnixMs = 0)
        : text(std::move(text)), now{nowUnixMs, 60}
    {
    }

    bool IsOn() override { return on; }
    bool TurnOn() override
    {
        ++turnOns;
        on = true;
        if (text.empty())
            text = LogHeaderLine();
        return true;
    }
    bool TurnOff() override
    {
        ++turnOffs;
        on = false;
        text.clear();
        return true;
    }
    void Record(LogRecord record) override
    {
        if (on)
            text += FormatLogLine(record);
    }
    std::optional<LocalTime> failingSince() const override { return failing; }
    std::optional<ProgressSummary> Summarise() override
    {
        ++summaries;
        if (!on)
            return std::nullopt;
        std::istringstream in(text);
        return SummariseLog(in, now.unixMs);
    }
    std::string Location() override { return "/home/player/.local/share/velmorandine/Practice-log.csv"; }
    LocalTime Now() override { return now; }

    std::string text;
    LocalTime now;
    bool on = true;
    std::optional<LocalTime> failing;
    int turnOns = 0;
    int turnOffs = 0;
    int summaries = 0;
};

} // namespace velmo::test
