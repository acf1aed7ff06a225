// The practice log as the program keeps it: Practice-log.csv beside
// Highscores.txt, on while that file stands there.  The trainers hand it one
// record per event worth looking back on; the Progress views read it back,
// turn it on and off and say where it is.  Writing it never costs a score,
// never shows a message and never stops a button: a failed append is only
// remembered, for the Progress view to report.
#pragma once

#include "progress/local_time.h"
#include "progress/log_record.h"
#include "progress/progress_summary.h"

#include <optional>
#include <string>
#include <string_view>

namespace velmo {

inline constexpr std::string_view kPracticeLogFileName = "Practice-log.csv";

class PracticeLog {
public:
    virtual ~PracticeLog() = default;

    // Whether the log's file stands beside the highscore list now (a file
    // deleted by hand turns the log off at once).
    virtual bool IsOn() = 0;
    // Creates the file with its header line; true when the log is on afterwards.
    virtual bool TurnOn() = 0;
    // Removes the file; true when the log is off afterwards.
    virtual bool TurnOff() = 0;

    // Appends the record's line when the log is on; the record's time is
    // filled in from the platform's wall clock.
    virtual void Record(LogRecord record) = 0;

    // Since when appends have failed, with none succeeding since; nothing
    // while the log is written or off.
    virtual std::optional<LocalTime> failingSince() const = 0;

    // The log read in one streaming pass, or nothing when it is off or
    // cannot be read.
    virtual std::optional<ProgressSummary> Summarise() = 0;

    // Where the log's file is (or would be), for Export to show.
    virtual std::string Location() = 0;

    // The wall clock's time now, which the Progress view's spans count back from.
    virtual LocalTime Now() = 0;
};

} // namespace velmo
