#include "progress/progress_texts.h"

#include "progress/local_time.h"

#include <cmath>
#include <cstdio>

namespace velmo {
namespace {

std::string Plural(std::size_t count, std::string_view one, std::string_view many)
{
    return std::to_string(count) + std::string(count == 1 ? one : many);
}

} // namespace

std::string LocalTimeText(const LocalTime& time)
{
    // 2026-12-08T14:03:27.412+01:00, to the minute.
    std::string text = FormatLocalTime(time).substr(0, 16);
    text[10] = ' ';
    return text;
}

std::string DayText(const LocalTime& time)
{
    return FormatLocalTime(time).substr(0, 10);
}

std::string PercentText(double share)
{
    return std::to_string(std::lround(share * 100)) + " %";
}

std::string SecondsText(double ms)
{
    // In whole tenths, so that every system rounds a half alike.
    const long long tenths = std::llround(ms / 100.0);
    const long long size = tenths < 0 ? -tenths : tenths;
    // Appended piece by piece: gcc 12 warns falsely (-Wrestrict) on a
    // literal + std::string once inlined.
    std::string text = tenths < 0 ? "-" : "";
    text += std::to_string(size / 10);
    text += '.';
    text += std::to_string(size % 10);
    text += " s";
    return text;
}

std::size_t SessionColumnCount(LogPanel panel)
{
    return IsTimedQuiz(panel) ? 5 : panel == LogPanel::Fold ? 4 : 3;
}

std::string_view SessionHeader(LogPanel panel, SessionColumn column)
{
    switch (column) {
    case SessionColumn::End: return "Session end";
    case SessionColumn::Score: return "Score";
    case SessionColumn::Best: return "Best";
    // How to fold's right answer is the fold.
    case SessionColumn::Share: return panel == LogPanel::Fold ? "Folds" : "Right answers";
    case SessionColumn::Median: return "Median response";
    }
    return "";
}

std::string SessionCell(const ScoreSeries& series, std::size_t row, SessionColumn column)
{
    const SessionPoint& session = series.sessions.at(row);
    switch (column) {
    case SessionColumn::End: return LocalTimeText(session.time);
    case SessionColumn::Score: return std::to_string(session.score);
    case SessionColumn::Best: return series.best == row ? "best" : "";
    case SessionColumn::Share: return session.rightShare ? PercentText(*session.rightShare) : "";
    case SessionColumn::Median: return session.medianResponseMs ? SecondsText(*session.medianResponseMs) : "";
    }
    return {};
}

std::array<std::string, 4> MistakeCells(const Mistake& mistake)
{
    return {mistake.situation, mistake.givenAnswer, mistake.rightAnswer,
            mistake.responseMs ? SecondsText(static_cast<double>(*mistake.responseMs)) : ""};
}

std::string LastMistakesNote(const PanelProgress& progress)
{
    if (progress.sessions.empty())
        return "No finished session yet.";
    if (progress.lastSessionMistakes.empty())
        return "None: every answer of the last session was right.";
    return std::to_string(progress.lastSessionMistakes.size()) + " of the last session (ended " +
           LocalTimeText(progress.sessions.back().time) + "):";
}

std::string_view RecentMistakesNote(const PanelProgress& progress)
{
    return progress.recentMistakes.empty() ? "No mistakes in the last 30 days." : "";
}

std::string LogStateText(bool on, std::optional<LocalTime> failingSince, const std::optional<ProgressSummary>& summary)
{
    std::string state;
    if (!on)
        state = "The practice log is off: nothing is recorded. \"Keep a practice log\" starts one.";
    else if (failingSince)
        state = std::string("The practice log is on, but could not be written since ")
                    .append(LocalTimeText(*failingSince))
                    .append(": answers since then are missing from it. Your scores are kept as always.");
    else if (!summary)
        state = "The practice log is on, but could not be read.";
    else
        state = "The practice log is on and written.";
    if (summary) {
        const LogReadCounts& counts = summary->counts;
        if (counts.unreadableLines > 0) {
            state += ' ';
            state += Plural(counts.unreadableLines, " unreadable line was", " unreadable lines were");
            state += " skipped.";
        }
        if (counts.newerFormatLines > 0) {
            state += ' ';
            state += Plural(counts.newerFormatLines, " line", " lines");
            state += " of a newer version of the program skipped.";
        }
    }
    return state;
}

std::string_view ToggleCaption(bool on)
{
    return on ? "Stop the practice &log..." : "Keep a practice &log";
}

std::string_view ToggleName(bool on)
{
    return on ? "Stop the practice log" : "Keep a practice log";
}

std::string ExportText(std::string_view location, bool on)
{
    return std::string("The practice log is the file ")
        .append(location)
        .append(on ? "" : " (it is created when the log is turned on)")
        .append(". It opens in any spreadsheet.");
}

} // namespace velmo
