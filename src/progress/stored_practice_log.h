// The practice log kept as records in a LogLineStore (the web edition's
// site storage): the same lines as Practice-log.csv, with the same switch,
// but each line handed to the store whole and at once, so a button never
// waits for the storage.  Loading another device's log merges its lines in.
#pragma once

#include "common/clock.h"
#include "progress/log_line_store.h"
#include "progress/practice_log.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace velmo {

// The largest log Load log takes: about ten years of daily practice, and
// a good deal more.
inline constexpr std::size_t kMaxLogFileBytes = 64 * 1024 * 1024;

// What loading a log from elsewhere did.
struct LogMerge {
    enum class Outcome { Merged, NotALog, TooLarge, LogOff, Failed };
    Outcome outcome = Outcome::Failed;
    std::size_t added = 0;       // lines new to the kept log
    std::size_t alreadyKept = 0; // lines it held already
};

class StoredPracticeLog : public PracticeLog {
public:
    StoredPracticeLog(LogLineStore& store, Clock& clock) : store_(store), clock_(clock) {}

    bool IsOn() override { return store_.IsOn().value_or(false); }
    bool TurnOn() override;
    bool TurnOff() override { return store_.TurnOff(); }
    void Record(LogRecord record) override;
    std::optional<LocalTime> failingSince() const override;
    std::optional<ProgressSummary> Summarise() override;
    std::string Location() override { return std::string(kPracticeLogFileName); }
    LocalTime Now() override { return clock_.WallTime(); }

    // Adds the records of `file`, a practice log from elsewhere, that the
    // kept log does not hold yet, after its own lines and in one step.
    LogMerge Merge(std::string_view file);

private:
    LogLineStore& store_;
    Clock& clock_;
};

// The player's words for what Merge did.
std::string LogMergeMessage(const LogMerge& merge);

} // namespace velmo
