#include "shell/progress_json.h"

#include "common/json_text.h"
#include "shell/progress_panels.h"

#include <sstream>

namespace velmo {
namespace {

// What a session's share counts, as its column is headed: the timed
// quizzes' right answers, How to fold's folds; null where there is none.
const char* ShareName(LogPanel panel)
{
    if (IsTimedQuiz(panel))
        return "\"Right answers\"";
    return panel == LogPanel::Fold ? "\"Folds\"" : "null";
}

template <class T> void Optional(std::ostream& json, const std::optional<T>& value)
{
    if (value)
        json << *value;
    else
        json << "null";
}

void Index(std::ostream& json, const char* name, std::optional<std::size_t> index)
{
    json << ",\"" << name << "\":";
    Optional(json, index);
}

void Sessions(std::ostream& json, const ScoreSeries& series)
{
    json << "\"sessions\":[";
    std::optional<std::size_t> fastest;
    for (std::size_t i = 0; i < series.sessions.size(); ++i) {
        const SessionPoint& point = series.sessions[i];
        json << (i ? "," : "") << "{\"time\":" << JsonString(FormatLocalTime(point.time))
             << ",\"score\":" << point.score << ",\"highscore\":" << (point.highscore ? "true" : "false")
             << ",\"answers\":" << point.answers << ",\"rightShare\":";
        Optional(json, point.rightShare);
        json << ",\"medianMs\":";
        Optional(json, point.medianResponseMs);
        json << '}';
        if (point.medianResponseMs &&
            (!fastest || *point.medianResponseMs < *series.sessions[*fastest].medianResponseMs))
            fastest = i;
    }
    json << ']';
    Index(json, "best", series.best);
    Index(json, "fastest", fastest);
}

void Mistakes(std::ostream& json, const PanelProgress& progress)
{
    json << ",\"lastMistakes\":[";
    const char* separator = "";
    for (const Mistake& mistake : progress.lastSessionMistakes) {
        json << separator << "{\"time\":" << JsonString(FormatLocalTime(mistake.time))
             << ",\"situation\":" << JsonString(mistake.situation) << ",\"given\":" << JsonString(mistake.givenAnswer)
             << ",\"right\":" << JsonString(mistake.rightAnswer) << ",\"ms\":";
        Optional(json, mistake.responseMs);
        json << '}';
        separator = ",";
    }
    json << "],\"recentMistakes\":[";
    separator = "";
    for (const MistakeGroup& group : progress.recentMistakes) {
        json << separator << "{\"right\":" << JsonString(group.rightAnswer) << ",\"count\":" << group.count << '}';
        separator = ",";
    }
    json << ']';
}

} // namespace

std::string ProgressJson(PracticeLog& log, ProgressSpan span)
{
    std::ostringstream json;
    const bool on = log.IsOn();
    const std::optional<ProgressSummary> summary = on ? log.Summarise() : std::nullopt;
    const std::optional<LocalTime> failing = log.failingSince();
    json << "{\"on\":" << (on ? "true" : "false") << ",\"readable\":" << (summary ? "true" : "false")
         << ",\"failingSince\":" << (failing ? JsonString(FormatLocalTime(*failing)) : "null")
         << ",\"unreadableLines\":" << (summary ? summary->counts.unreadableLines : 0)
         << ",\"newerFormatLines\":" << (summary ? summary->counts.newerFormatLines : 0) << ",\"panels\":[";
    const char* separator = "";
    for (const ProgressPanel& scoring : ProgressPanels()) {
        json << separator << "{\"word\":" << JsonString(PanelWord(scoring.panel))
             << ",\"caption\":" << JsonString(scoring.caption())
             << ",\"timed\":" << (IsTimedQuiz(scoring.panel) ? "true" : "false")
             << ",\"share\":" << ShareName(scoring.panel) << ',';
        Sessions(json, summary ? SessionsWithin(*summary, scoring.panel, span) : ScoreSeries{});
        if (IsTimedQuiz(scoring.panel) && summary)
            Mistakes(json, summary->Of(scoring.panel));
        json << '}';
        separator = ",";
    }
    json << "]}";
    return json.str();
}

} // namespace velmo
