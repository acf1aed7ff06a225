#include "progress/stored_practice_log.h"

#include "progress/log_line.h"
#include "progress/log_reader.h"

#include <cstdint>
#include <sstream>
#include <unordered_set>
#include <vector>

namespace velmo {
namespace {

// Each whole line of `text` without its LF (and a CR before it); a last
// line without its LF was cut short and is left out.
template <class OnLine> void ForEachWholeLine(std::string_view text, OnLine&& onLine)
{
    for (std::size_t start = 0, end; (end = text.find('\n', start)) != std::string_view::npos; start = end + 1) {
        std::string_view line = text.substr(start, end - start);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        onLine(line);
    }
}

// A line's 64-bit FNV-1a hash: std::hash has only 32 bits on the web, where
// two of 100,000 lines already share one about once.
std::uint64_t LineHash(std::string_view line)
{
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : line)
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    return hash;
}

} // namespace

bool StoredPracticeLog::TurnOn()
{
    return store_.TurnOn(LogHeaderLine());
}

void StoredPracticeLog::Record(LogRecord record)
{
    // With the log off a button costs this one question and nothing more.
    if (!store_.MayBeOn())
        return;
    record.time = clock_.WallTime();
    store_.Append(FormatLogLine(record), FormatLocalTime(record.time));
}

std::optional<LocalTime> StoredPracticeLog::failingSince() const
{
    const std::optional<std::string> since = store_.FailingSince();
    return since ? ParseLocalTime(*since) : std::nullopt;
}

std::optional<ProgressSummary> StoredPracticeLog::Summarise()
{
    if (!IsOn())
        return std::nullopt;
    // One batch in memory at a time: the summary grows with the sessions only.
    ProgressBuilder builder(Now().unixMs);
    LogReadCounts counts;
    for (std::int64_t after = 0;;) {
        const auto batch = store_.Read(after);
        if (!batch)
            return std::nullopt;
        std::istringstream in(batch->text);
        const LogReadCounts read = ReadLog(in, [&](const LogRecord& record) { builder.Add(record); });
        counts.records += read.records;
        counts.unreadableLines += read.unreadableLines + (read.tornLastLine ? 1 : 0);
        counts.newerFormatLines += read.newerFormatLines;
        if (batch->end)
            break;
        after = batch->last;
    }
    return std::move(builder).Finish(counts);
}

LogMerge StoredPracticeLog::Merge(std::string_view file)
{
    LogMerge merge;
    if (file.size() > kMaxLogFileBytes) {
        merge.outcome = LogMerge::Outcome::TooLarge;
        return merge;
    }
    if (file.starts_with("\xEF\xBB\xBF"))
        file.remove_prefix(3);
    // A practice log opens with its header line: anything else (a highscore
    // list, a picture, a spreadsheet saved in another form) is refused whole.
    LogLineParser parser;
    LogRecord record;
    const std::string_view firstLine = file.substr(0, file.find('\n'));
    if (parser.Parse(firstLine.ends_with('\r') ? firstLine.substr(0, firstLine.size() - 1) : firstLine, record) !=
        LogLineKind::Header) {
        merge.outcome = LogMerge::Outcome::NotALog;
        return merge;
    }
    if (!IsOn()) {
        merge.outcome = LogMerge::Outcome::LogOff;
        return merge;
    }
    // The kept lines are remembered by their hash, not their text, so that
    // a long log costs 8 bytes a line here.
    std::unordered_set<std::uint64_t> kept;
    for (std::int64_t after = 0;;) {
        const auto batch = store_.Read(after);
        if (!batch)
            return merge;
        ForEachWholeLine(batch->text, [&](std::string_view line) { kept.insert(LineHash(line)); });
        if (batch->end)
            break;
        after = batch->last;
    }
    std::vector<std::string> added;
    ForEachWholeLine(file, [&](std::string_view line) {
        if (parser.Parse(line, record) != LogLineKind::Record)
            return;
        if (kept.insert(LineHash(line)).second)
            added.emplace_back(line).push_back('\n');
        else
            ++merge.alreadyKept;
    });
    if (!added.empty() && !store_.AppendAll(added))
        return merge;
    merge.added = added.size();
    merge.outcome = LogMerge::Outcome::Merged;
    return merge;
}

std::string LogMergeMessage(const LogMerge& merge)
{
    switch (merge.outcome) {
    case LogMerge::Outcome::NotALog:
        return "This file is not a practice log: a practice log begins with the line that names its columns "
               "(format,time,panel,...). Nothing was changed.";
    case LogMerge::Outcome::TooLarge:
        return "This file is larger than any practice log (" + std::to_string(kMaxLogFileBytes / (1024 * 1024)) +
               " MiB). Nothing was changed.";
    case LogMerge::Outcome::LogOff:
        return "The practice log is off. Choose \"Keep a practice log\" first, then load the file again.";
    case LogMerge::Outcome::Failed:
        return "The practice log could not be read or written in this browser's storage. Nothing was changed.";
    case LogMerge::Outcome::Merged: break;
    }
    return "Added " + std::to_string(merge.added) + (merge.added == 1 ? " line" : " lines") + " to the practice log; " +
           std::to_string(merge.alreadyKept) + (merge.alreadyKept == 1 ? " was" : " were") + " already in it.";
}

} // namespace velmo
