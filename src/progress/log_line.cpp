#include "progress/log_line.h"

#include "common/utf8_text.h"
#include "progress/csv_cells.h"

#include <charconv>

namespace velmo {
namespace {

enum Column {
    kFormat,
    kTime,
    kPanel,
    kEvent,
    kSituation,
    kRightAnswer,
    kGivenAnswer,
    kCorrect,
    kResponseMs,
    kPoints,
    kSituationNumber,
    kScore,
    kHighscore,
    kTiltLevel,
    kColumnCount
};

// The columns' names, in the order of Column; none needs quoting.
constexpr std::string_view kHeader = "format,time,panel,event,situation,right answer,given answer,correct,"
                                     "response time (ms),points,situation number,score,highscore,tilt level";
// Every format's header begins with it, as every line begins with the version.
constexpr std::string_view kFormatName = kHeader.substr(0, kHeader.find(','));

constexpr std::string_view kYes = "yes";
constexpr std::string_view kNo = "no";

template <typename Int> std::string NumberCell(const std::optional<Int>& value)
{
    return value ? std::to_string(*value) : std::string();
}

std::string_view YesNoCell(const std::optional<bool>& value)
{
    return value ? (*value ? kYes : kNo) : std::string_view();
}

// An empty cell gives an empty value; false for a cell that is no number of the type.
template <typename Int> bool ReadNumber(const std::string& cell, std::optional<Int>& value)
{
    value.reset();
    if (cell.empty())
        return true;
    Int number{};
    const auto [end, error] = std::from_chars(cell.data(), cell.data() + cell.size(), number);
    if (error != std::errc() || end != cell.data() + cell.size())
        return false;
    value = number;
    return true;
}

bool ReadYesNo(const std::string& cell, std::optional<bool>& value)
{
    value.reset();
    if (cell == kYes || cell == kNo)
        value = cell == kYes;
    return cell.empty() || value.has_value();
}

} // namespace

const std::string& LogHeaderLine()
{
    static const std::string header = std::string(kHeader) + '\n';
    return header;
}

std::string FormatLogLine(const LogRecord& record)
{
    std::string line = std::to_string(kLogFormatVersion);
    AppendCell(line, FormatLocalTime(record.time));
    AppendCell(line, PanelWord(record.panel));
    AppendCell(line, EventWord(record.event));
    AppendCell(line, record.situation);
    AppendCell(line, record.rightAnswer);
    AppendCell(line, record.givenAnswer);
    AppendCell(line, YesNoCell(record.correct));
    AppendCell(line, NumberCell(record.responseMs));
    AppendCell(line, NumberCell(record.points));
    AppendCell(line, NumberCell(record.situationNumber));
    AppendCell(line, NumberCell(record.score));
    AppendCell(line, YesNoCell(record.highscore));
    AppendCell(line, NumberCell(record.tiltLevel));
    return line + '\n';
}

LogLineKind LogLineParser::Parse(std::string_view line, LogRecord& record)
{
    // The version comes first and is a plain number in every format, so a
    // later format's line is known as such whatever follows it.
    const std::string_view version = line.substr(0, line.find(','));
    if (version == kFormatName)
        return LogLineKind::Header;
    int number = 0;
    const auto [end, error] = std::from_chars(version.data(), version.data() + version.size(), number);
    if (error != std::errc() || end != version.data() + version.size() || number < kLogFormatVersion)
        return LogLineKind::Unreadable;
    if (number > kLogFormatVersion)
        return LogLineKind::NewerFormat;

    if (!IsValidUtf8(line) || !SplitCells(line, cells_) || cells_.size() != kColumnCount)
        return LogLineKind::Unreadable;
    const std::optional<LocalTime> time = ParseLocalTime(cells_[kTime]);
    const std::optional<LogPanel> panel = PanelFromWord(cells_[kPanel]);
    const std::optional<LogEvent> event = EventFromWord(cells_[kEvent]);
    if (!time || !panel || !event)
        return LogLineKind::Unreadable;
    record.time = *time;
    record.panel = *panel;
    record.event = *event;
    record.situation.swap(cells_[kSituation]);
    record.rightAnswer.swap(cells_[kRightAnswer]);
    record.givenAnswer.swap(cells_[kGivenAnswer]);
    const bool numbers =
        ReadYesNo(cells_[kCorrect], record.correct) && ReadNumber(cells_[kResponseMs], record.responseMs) &&
        ReadNumber(cells_[kPoints], record.points) && ReadNumber(cells_[kSituationNumber], record.situationNumber) &&
        ReadNumber(cells_[kScore], record.score) && ReadYesNo(cells_[kHighscore], record.highscore) &&
        ReadNumber(cells_[kTiltLevel], record.tiltLevel);
    return numbers ? LogLineKind::Record : LogLineKind::Unreadable;
}

} // namespace velmo
