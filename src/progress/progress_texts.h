// What the Progress views write, in the same words on every front end: the
// times, shares and seconds of their tables, the state line, the notes, the
// captions of the log's switch, the column headers.  Each front end puts
// these texts into its own widgets (Qt's, Win32's, the page's); none of them
// composes a sentence or formats a number of its own.
#pragma once

#include "progress/progress_summary.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace velmo {

// The log's local time in the offset it was logged in: "2026-12-08 14:03".
std::string LocalTimeText(const LocalTime& time);
// Its day alone: "2026-12-08".
std::string DayText(const LocalTime& time);
// A share of right answers, 0 to 1: "75 %".
std::string PercentText(double share);
// A time in milliseconds as seconds to a tenth, halves rounded up: "0.5 s".
std::string SecondsText(double ms);

// The span choice, in ProgressSpan's order.
inline constexpr std::array<std::string_view, 3> kSpanNames = {"Last 7 days", "Last 30 days", "Everything"};

// The sessions table's columns: the timed quizzes have all five, How to
// fold the first four (its runs' share of folds, no response times), the
// other panels the first three.
enum class SessionColumn { End, Score, Best, Share, Median };
std::size_t SessionColumnCount(LogPanel panel);
std::string_view SessionHeader(LogPanel panel, SessionColumn column);
// The widest text each column can hold, for sizing it once.
inline constexpr std::array<std::string_view, 5> kSessionWidestCells = {"2026-12-31 23:59", "-9999", "best", "100 %",
                                                                        "99.9 s"};
// The cell of `series`' session `row`.
std::string SessionCell(const ScoreSeries& series, std::size_t row, SessionColumn column);

// The last session's mistakes: situation, your answer, right answer, time taken.
inline constexpr std::array<std::string_view, 4> kMistakeHeaders = {"Situation", "Your answer", "Right answer",
                                                                    "Time taken"};
std::array<std::string, 4> MistakeCells(const Mistake& mistake);
inline constexpr std::array<std::string_view, 2> kMistakeGroupHeaders = {"Right answer", "Mistakes"};

inline constexpr std::string_view kSessionsHeading = "Sessions";
inline constexpr std::string_view kLastMistakesHeading = "The last session's mistakes";
inline constexpr std::string_view kRecentMistakesHeading = "Last 30 days' mistakes by right answer";
// What stands above the last session's mistakes (their count and the end
// of that session, or why there are none).
std::string LastMistakesNote(const PanelProgress& progress);
// What stands in place of the groups when there are none; empty otherwise.
std::string_view RecentMistakesNote(const PanelProgress& progress);

// The one line on the log's state: off, on and written, failing since a
// time, unreadable; and how many lines reading skipped.
std::string LogStateText(bool on, std::optional<LocalTime> failingSince, const std::optional<ProgressSummary>& summary);

// The switch's caption with its mnemonic ('&', as both desktop toolkits
// take it), and its name for screen readers.
std::string_view ToggleCaption(bool on);
std::string_view ToggleName(bool on);
// Asked before the log is turned off, which deletes its file.
inline constexpr std::string_view kStopLogQuestion =
    "Stopping the practice log deletes it, and with it the history shown here. Stop it?";
// Export's answer: where the file is.
std::string ExportText(std::string_view location, bool on);

} // namespace velmo
