// The practice log's records in memory, as the site's storage keeps them:
// a switch and numbered lines, read back in small batches so that a reader
// meets more than one; it refuses appends on demand.
#pragma once

#include "progress/log_line_store.h"

#include <map>

namespace velmo::test {

class MemoryLogLines : public LogLineStore {
public:
    bool MayBeOn() override { return header.has_value(); }
    std::optional<bool> IsOn() override { return header.has_value(); }
    bool TurnOn(std::string_view text) override
    {
        if (!header)
            header = std::string(text);
        return true;
    }
    bool TurnOff() override
    {
        header.reset();
        lines.clear();
        return true;
    }
    void Append(std::string_view line, std::string_view time) override
    {
        if (!header)
            return;
        if (refuse) {
            if (!failingSince)
                failingSince = std::string(time);
            return;
        }
        lines.emplace(nextKey++, line);
        failingSince.reset();
    }
    bool AppendAll(const std::vector<std::string>& added) override
    {
        if (!header || refuse)
            return false;
        for (const std::string& line : added)
            lines.emplace(nextKey++, line);
        return true;
    }
    std::optional<Batch> Read(std::int64_t after) override
    {
        Batch batch;
        auto it = lines.upper_bound(after);
        for (int n = 0; it != lines.end() && n < kBatchLines; ++it, ++n) {
            batch.text += it->second;
            batch.last = it->first;
        }
        batch.end = it == lines.end();
        return batch;
    }
    std::optional<std::string> FailingSince() override { return failingSince; }

    static constexpr int kBatchLines = 3;
    std::optional<std::string> header; // the switch
    std::map<std::int64_t, std::string> lines;
    std::int64_t nextKey = 1;
    bool refuse = false;
    std::optional<std::string> failingSince;

    std::string Text() const
    {
        std::string text = header.value_or("");
        for (const auto& [key, line] : lines)
            text += line;
        return text;
    }
};

} // namespace velmo::test
