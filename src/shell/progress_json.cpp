#include "shell/progress_json.h"

#include "common/json_text.h"
#include "progress/progress_charts.h"
#include "progress/progress_texts.h"
#include "shell/progress_panels.h"

#include <sstream>

namespace velmo {
namespace {

// A list of texts: ["a","b"].
template <class Texts> void TextList(std::ostream& json, const Texts& texts)
{
    json << '[';
    const char* separator = "";
    for (const auto& text : texts) {
        json << separator << JsonString(text);
        separator = ",";
    }
    json << ']';
}

void Index(std::ostream& json, std::optional<std::size_t> index)
{
    if (index)
        json << *index;
    else
        json << "null";
}

void Sessions(std::ostream& json, LogPanel panel, const ScoreSeries& series)
{
    const std::size_t columns = SessionColumnCount(panel);
    std::vector<std::string_view> headers;
    for (std::size_t column = 0; column < columns; ++column)
        headers.push_back(SessionHeader(panel, static_cast<SessionColumn>(column)));
    json << "\"sessions\":{\"headers\":";
    TextList(json, headers);
    json << ",\"rows\":[";
    for (std::size_t row = 0; row < series.sessions.size(); ++row) {
        std::vector<std::string> cells;
        for (std::size_t column = 0; column < columns; ++column)
            cells.push_back(SessionCell(series, row, static_cast<SessionColumn>(column)));
        json << (row ? "," : "");
        TextList(json, cells);
    }
    json << "],\"best\":";
    Index(json, series.best);
    json << "},\"charts\":[";
    const char* separator = "";
    for (const ChartSeries& chart : ChartsOf(series, panel)) {
        json << separator << "{\"title\":" << JsonString(chart.title) << ",\"bestWord\":" << JsonString(chart.bestWord)
             << ",\"best\":";
        Index(json, chart.best);
        json << ",\"points\":[";
        for (std::size_t i = 0; i < chart.points.size(); ++i) {
            const ChartPoint& point = chart.points[i];
            json << (i ? "," : "") << "{\"value\":" << point.value
                 << ",\"text\":" << JsonString(ValueText(chart.value, point.value))
                 << ",\"day\":" << JsonString(DayText({point.unixMs, point.offsetMinutes})) << '}';
        }
        json << "]}";
        separator = ",";
    }
    json << ']';
}

void Mistakes(std::ostream& json, const PanelProgress& progress)
{
    json << ",\"mistakes\":{\"heading\":" << JsonString(kLastMistakesHeading)
         << ",\"note\":" << JsonString(LastMistakesNote(progress)) << ",\"headers\":";
    TextList(json, kMistakeHeaders);
    json << ",\"rows\":[";
    const char* separator = "";
    for (const Mistake& mistake : progress.lastSessionMistakes) {
        json << separator;
        TextList(json, MistakeCells(mistake));
        separator = ",";
    }
    json << "],\"groupsHeading\":" << JsonString(kRecentMistakesHeading)
         << ",\"groupsNote\":" << JsonString(RecentMistakesNote(progress)) << ",\"groupHeaders\":";
    TextList(json, kMistakeGroupHeaders);
    json << ",\"groups\":[";
    separator = "";
    for (const MistakeGroup& group : progress.recentMistakes) {
        json << separator;
        TextList(json, std::array<std::string, 2>{group.rightAnswer, std::to_string(group.count)});
        separator = ",";
    }
    json << "]}";
}

} // namespace

std::string ProgressJson(PracticeLog& log, ProgressSpan span)
{
    std::ostringstream json;
    const bool on = log.IsOn();
    const std::optional<ProgressSummary> summary = on ? log.Summarise() : std::nullopt;
    json << "{\"on\":" << (on ? "true" : "false") << ",\"readable\":" << (summary ? "true" : "false")
         << ",\"state\":" << JsonString(LogStateText(on, log.failingSince(), summary))
         << ",\"toggle\":" << JsonString(ToggleName(on)) << ",\"stopQuestion\":" << JsonString(kStopLogQuestion)
         << ",\"spans\":";
    TextList(json, kSpanNames);
    json << ",\"sessionsHeading\":" << JsonString(kSessionsHeading) << ",\"noSessions\":" << JsonString(kNoSessionsText)
         << ",\"panels\":[";
    const char* separator = "";
    for (const ProgressPanel& scoring : ProgressPanels()) {
        json << separator << "{\"word\":" << JsonString(PanelWord(scoring.panel))
             << ",\"caption\":" << JsonString(scoring.caption()) << ',';
        Sessions(json, scoring.panel, summary ? SessionsWithin(*summary, scoring.panel, span) : ScoreSeries{});
        if (IsTimedQuiz(scoring.panel) && summary)
            Mistakes(json, summary->Of(scoring.panel));
        json << '}';
        separator = ",";
    }
    json << "]}";
    return json.str();
}

} // namespace velmo
