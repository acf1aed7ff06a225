// The practice log's lines in the site's storage, through the page
// (practice_log_store.js): an IndexedDB database of its own, whose switch
// record and one record per line every tab sees in one order.
#pragma once

#include "progress/log_line_store.h"

namespace velmo {

class BrowserLogLines : public LogLineStore {
public:
    bool MayBeOn() override;
    std::optional<bool> IsOn() override;
    bool TurnOn(std::string_view header) override;
    bool TurnOff() override;
    void Append(std::string_view line, std::string_view time) override;
    bool AppendAll(const std::vector<std::string>& lines) override;
    std::optional<Batch> Read(std::int64_t after) override;
    std::optional<std::string> FailingSince() override;
};

} // namespace velmo
