// The practice log's records as a program left them, read back by the log's
// own reader, for the trainers' log tests.
#pragma once

#include "common/file_system.h"
#include "progress/log_reader.h"
#include "progress/practice_log.h"

#include <string>
#include <vector>

namespace velmo::test {

inline std::vector<LogRecord> LoggedRecords(FileSystem& files)
{
    std::vector<LogRecord> records;
    if (const auto in = files.OpenForReading(std::string(kPracticeLogFileName)))
        ReadLog(*in, [&](const LogRecord& record) { records.push_back(record); });
    return records;
}

} // namespace velmo::test
