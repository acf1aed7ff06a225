// What the Progress view shows, computed in one pass over the practice log:
// every scored session of each panel over time, with the share of right
// answers and the median response time for the timed quizzes; the last
// finished session's mistakes of each timed quiz; and the last 30 days'
// mistakes grouped by the right answer.  Memory grows with the number of
// sessions, not of lines.
//
// A session of a timed quiz is the run of its answers numbered 1 to 10: an
// answer whose number is not above the one before starts a new session (a
// Reset logs nothing, but the numbering starts again), and the session's
// end closes it with the score.  A session left without its end has no
// score, so it shows in no chart; its wrong answers still count among the
// last 30 days' mistakes.
//
// How to fold never ends, so its sessions are the program's runs: a press
// whose score before it (its score less its points) is not the score the
// last press left starts a new run (the program started afresh at 0).  A
// run's point is its last press, with the share of presses that folded.
#pragma once

#include "progress/log_reader.h"
#include "progress/log_record.h"

#include <array>
#include <cstdint>
#include <istream>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace velmo {

// The timed quizzes, whose sessions are runs of judged answers: Preflop,
// Tournaments and RE/Odds.
constexpr bool IsTimedQuiz(LogPanel panel)
{
    return panel == LogPanel::Preflop || panel == LogPanel::Tournament || panel == LogPanel::Odds;
}

struct SessionPoint {
    LocalTime time; // of the session's end
    std::int32_t score = 0;
    bool highscore = false; // as the log says: the best at the time
    // The timed quizzes' judged answers of the session (fewer than ten where
    // the log was turned on during it), How to fold's presses of the run;
    // none for the other panels.
    std::int32_t answers = 0;
    std::optional<double> rightShare; // 0 to 1; How to fold's: the folds'
    std::optional<double> medianResponseMs;
};

struct Mistake {
    LocalTime time;
    std::string situation; // as it was shown
    std::string givenAnswer;
    std::string rightAnswer;
    std::optional<std::int64_t> responseMs;
};

struct MistakeGroup {
    std::string rightAnswer;
    std::int32_t count = 0;
    friend bool operator==(const MistakeGroup&, const MistakeGroup&) = default;
};

struct PanelProgress {
    std::vector<SessionPoint> sessions; // every scored session, oldest first
    // Of the last session that reached its end: a running quiz keeps its
    // judgements to itself, as the dialog does.
    std::vector<Mistake> lastSessionMistakes;
    // The last 30 days' wrong answers by their right answer, most frequent
    // first, equal counts in the order of the answers' texts.
    std::vector<MistakeGroup> recentMistakes;
};

struct ProgressSummary {
    std::int64_t nowUnixMs = 0;
    std::array<PanelProgress, kLogPanelCount> panels;
    LogReadCounts counts;

    const PanelProgress& Of(LogPanel panel) const { return panels[static_cast<std::size_t>(panel)]; }
};

// Takes records one at a time, in the log's order; `now` is the moment the
// 30 days of mistakes count back from.
class ProgressBuilder {
public:
    explicit ProgressBuilder(std::int64_t nowUnixMs);
    void Add(const LogRecord& record);
    ProgressSummary Finish(LogReadCounts counts) &&;

private:
    // The answers of a timed quiz's session so far.
    struct OpenSession {
        std::int32_t lastNumber = 0; // 0: none open
        std::int32_t right = 0;
        std::vector<std::int64_t> responseMs;
        std::int32_t answers = 0;
        std::vector<Mistake> mistakes;
    };

    // How to fold's run so far.
    struct OpenRun {
        LocalTime time; // of its last press
        std::int32_t score = 0;
        std::int32_t presses = 0;
        std::int32_t folds = 0;
    };

    void AddAnswer(const LogRecord& record, OpenSession& open);
    void AddPress(const LogRecord& record);
    void CloseRun();

    std::int64_t nowUnixMs_;
    std::array<PanelProgress, kLogPanelCount> panels_;
    std::array<OpenSession, kLogPanelCount> open_;
    std::array<std::map<std::string, std::int32_t>, kLogPanelCount> recentMistakes_;
    std::optional<OpenRun> run_;
};

// Reads the whole log of `in` (log_reader.h) into its summary.
ProgressSummary SummariseLog(std::istream& in, std::int64_t nowUnixMs);

enum class ProgressSpan { LastWeek, LastMonth, Everything }; // 7 days, 30 days, all

struct ScoreSeries {
    std::vector<SessionPoint> sessions; // oldest first
    std::optional<std::size_t> best;    // the first of the highest scores
};

// The panel's sessions that ended within `span` before the summary's now
// (a session exactly 7 days old still belongs to the last 7 days).
ScoreSeries SessionsWithin(const ProgressSummary& summary, LogPanel panel, ProgressSpan span);

} // namespace velmo
