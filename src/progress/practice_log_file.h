// The practice log of the desktop programs and the replay tool: the file
// Practice-log.csv in the working directory, beside Highscores.txt, kept
// through the platform's FileSystem (so under its lock and its rules) and
// stamped with the platform's wall clock.
//
// With the file absent the log is off and costs one failed open per event:
// nothing is created, nothing else is written.
#pragma once

#include "progress/practice_log.h"

namespace velmo {

class Platform;

class PracticeLogFile : public PracticeLog {
public:
    explicit PracticeLogFile(Platform& platform);

    bool IsOn() override;
    bool TurnOn() override;
    bool TurnOff() override;
    void Record(LogRecord record) override;
    std::optional<LocalTime> failingSince() const override { return failingSince_; }
    std::optional<ProgressSummary> Summarise() override;
    std::string Location() override;
    LocalTime Now() override;

private:
    Platform& platform_;
    std::optional<LocalTime> failingSince_;
};

} // namespace velmo
