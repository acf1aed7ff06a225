#include "progress/log_reader.h"

#include "progress/log_line.h"

#include <limits>
#include <string_view>
#include <vector>

namespace velmo {

LogReadCounts ReadLog(std::istream& in, const std::function<void(const LogRecord&)>& onRecord)
{
    LogReadCounts counts;
    LogLineParser parser;
    LogRecord record;
    // One byte more than the longest line, for istream::getline's terminator.
    std::vector<char> buffer(kMaxLogLineBytes + 1);
    bool first = true;
    while (in.peek() != std::istream::traits_type::eof()) {
        in.getline(buffer.data(), static_cast<std::streamsize>(buffer.size()));
        const auto extracted = static_cast<std::size_t>(in.gcount());
        if (in.fail()) {
            // Too long: skip to the line's end (a torn line if there is none).
            in.clear();
            in.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
            if (in.eof())
                counts.tornLastLine = true;
            else
                ++counts.unreadableLines;
            first = false;
            continue;
        }
        if (in.eof()) {
            // The last line, without its LF: the append that wrote it was
            // cut short, so it may end anywhere.
            counts.tornLastLine = true;
            break;
        }
        std::string_view line(buffer.data(), extracted - 1);
        if (first && line.starts_with("\xEF\xBB\xBF"))
            line.remove_prefix(3);
        first = false;
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        if (line.empty())
            continue;
        switch (parser.Parse(line, record)) {
        case LogLineKind::Record:
            ++counts.records;
            onRecord(record);
            break;
        case LogLineKind::Header: break;
        case LogLineKind::NewerFormat: ++counts.newerFormatLines; break;
        case LogLineKind::Unreadable: ++counts.unreadableLines; break;
        }
    }
    return counts;
}

std::string AppendPrefix(std::optional<char> lastByte)
{
    if (!lastByte)
        return LogHeaderLine();
    // Whatever cell the torn line broke off in, ",torn" either leaves a
    // quote open, makes the columns too many or too few, or puts a word
    // into the last column, which holds a number.
    return *lastByte == '\n' ? std::string() : std::string(",torn\n");
}

std::optional<char> LastByte(std::istream& in)
{
    in.clear();
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size <= 0)
        return std::nullopt;
    in.seekg(size - 1);
    const int byte = in.get();
    if (byte == std::istream::traits_type::eof())
        return std::nullopt;
    return static_cast<char>(byte);
}

} // namespace velmo
