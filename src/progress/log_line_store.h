// A place that keeps the practice log's lines as records of their own, each
// stored whole in one step, as the site's storage does on the web: there is
// no file to append bytes to, so no line can be torn or mixed with
// another's, and the log's on/off switch is a record of the same store.
// StoredPracticeLog turns it into the PracticeLog the trainers write; the
// page's own is app/web/browser_log_lines.*, the tests keep one in memory.
#pragma once

#include "common/wall_time.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmo {

class LogLineStore {
public:
    // Lines read in one go, in the order they were stored.
    struct Batch {
        std::string text;      // whole lines, each with its LF
        std::int64_t last = 0; // the key of the last line, where the next batch starts after
        bool end = false;      // no line follows
    };

    virtual ~LogLineStore() = default;

    // False only when the log is known to be off: answered at once, so that
    // a button with the log off does no more than ask.
    virtual bool MayBeOn() = 0;
    // The switch as stored now; nothing when the storage cannot be read.
    virtual std::optional<bool> IsOn() = 0;
    // Turns the log on, the switch holding `header` (the first line of the
    // log as a file), keeping any lines there are; true when on afterwards.
    virtual bool TurnOn(std::string_view header) = 0;
    // Removes the switch and every line in one step; true when off afterwards.
    virtual bool TurnOff() = 0;

    // Hands the line over to be stored after every line before it, without
    // waiting for the storage; dropped where the switch is off by then.
    // `time` is the line's time, which a failing storage remembers.
    virtual void Append(std::string_view line, std::string_view time) = 0;
    // Stores all of `lines` in one step, while the log is on: true when done.
    virtual bool AppendAll(const std::vector<std::string>& lines) = 0;

    // The lines after the one keyed `after` (0: from the first); nothing
    // when the storage cannot be read.
    virtual std::optional<Batch> Read(std::int64_t after) = 0;

    // The time of the first line that could not be stored, with none
    // stored since.
    virtual std::optional<std::string> FailingSince() = 0;
};

} // namespace velmo
