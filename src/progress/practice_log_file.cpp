#include "progress/practice_log_file.h"

#include "common/file_system.h"
#include "common/path_text.h"
#include "common/platform.h"
#include "progress/log_line.h"
#include "progress/log_reader.h"

#include <filesystem>
#include <new>
#include <system_error>

namespace velmo {
namespace {

const std::string& LogPath()
{
    static const std::string path(kPracticeLogFileName);
    return path;
}

} // namespace

PracticeLogFile::PracticeLogFile(Platform& platform) : platform_(platform) {}

bool PracticeLogFile::IsOn()
{
    return platform_.files().Stands(LogPath());
}

bool PracticeLogFile::TurnOn()
{
    // Made whole with its header, or left as it stands (another program's
    // log, or something in its place that the view then reports).
    if (platform_.files().CreateExclusively(LogPath(), LogHeaderLine())) {
        failingSince_.reset();
        return true;
    }
    return IsOn();
}

bool PracticeLogFile::TurnOff()
{
    const bool off = platform_.files().RemoveFile(LogPath());
    if (off)
        failingSince_.reset();
    return off;
}

void PracticeLogFile::Record(LogRecord record)
{
    // A failure is only remembered: a button's work goes on as without a log.
    try {
        const AppendOutcome outcome = platform_.files().Append(LogPath(), [&](std::optional<char> lastByte) {
            record.time = platform_.WallTime();
            return AppendPrefix(lastByte) + FormatLogLine(record);
        });
        if (outcome != AppendOutcome::Failed)
            failingSince_.reset();
        else if (!failingSince_)
            failingSince_ = platform_.WallTime();
    } catch (const std::bad_alloc&) {
        if (!failingSince_)
            failingSince_ = platform_.WallTime();
    }
}

std::optional<ProgressSummary> PracticeLogFile::Summarise()
{
    const auto in = platform_.files().OpenForReading(LogPath());
    if (!in)
        return std::nullopt;
    return SummariseLog(*in, Now().unixMs);
}

std::string PracticeLogFile::Location()
{
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(PathFromUtf8(LogPath()), ec);
    return ec ? LogPath() : Utf8FromPath(absolute);
}

LocalTime PracticeLogFile::Now()
{
    return platform_.WallTime();
}

} // namespace velmo
