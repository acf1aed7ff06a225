#include "progress/progress_summary.h"

#include <algorithm>
#include <limits>

namespace velmo {
namespace {

constexpr std::int64_t kMsPerDay = 24 * 60 * 60 * 1000;
constexpr std::int32_t kSituationsPerSession = 10;

std::optional<double> Median(std::vector<std::int64_t> values)
{
    if (values.empty())
        return std::nullopt;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    if (values.size() % 2 == 1)
        return static_cast<double>(values[middle]);
    return (static_cast<double>(values[middle - 1]) + static_cast<double>(values[middle])) / 2.0;
}

std::int64_t SpanMs(ProgressSpan span)
{
    switch (span) {
    case ProgressSpan::LastWeek: return 7 * kMsPerDay;
    case ProgressSpan::LastMonth: return 30 * kMsPerDay;
    case ProgressSpan::Everything: break;
    }
    return std::numeric_limits<std::int64_t>::max();
}

} // namespace

ProgressBuilder::ProgressBuilder(std::int64_t nowUnixMs) : nowUnixMs_(nowUnixMs) {}

void ProgressBuilder::Add(const LogRecord& record)
{
    const auto index = static_cast<std::size_t>(record.panel);
    PanelProgress& panel = panels_[index];
    OpenSession& open = open_[index];
    switch (record.event) {
    case LogEvent::Answer: AddAnswer(record, open); break;
    case LogEvent::SessionEnd:
    case LogEvent::Done:
        if (record.score) {
            const std::optional<double> rightShare =
                open.answers > 0 ? std::optional<double>(static_cast<double>(open.right) / open.answers) : std::nullopt;
            panel.sessions.push_back({record.time, *record.score, record.highscore.value_or(false), open.answers,
                                      rightShare, Median(open.responseMs)});
            if (open.answers > 0)
                panel.lastSessionMistakes = std::move(open.mistakes);
        }
        open = OpenSession{};
        break;
    case LogEvent::Press: AddPress(record); break;
    case LogEvent::Verdict: break;
    }
}

void ProgressBuilder::AddPress(const LogRecord& record)
{
    if (record.panel != LogPanel::Fold || !record.score || !record.points)
        return;
    const std::int64_t before = static_cast<std::int64_t>(*record.score) - *record.points;
    if (run_ && before != run_->score)
        CloseRun();
    if (!run_)
        run_ = OpenRun{};
    run_->time = record.time;
    run_->score = *record.score;
    ++run_->presses;
    // FOLD gains, CALL/OPEN loses: the drill's right answer is the fold.
    if (*record.points > 0)
        ++run_->folds;
}

void ProgressBuilder::CloseRun()
{
    if (!run_)
        return;
    panels_[static_cast<std::size_t>(LogPanel::Fold)].sessions.push_back(
        {run_->time, run_->score, false, run_->presses, static_cast<double>(run_->folds) / run_->presses,
         std::nullopt});
    run_.reset();
}

void ProgressBuilder::AddAnswer(const LogRecord& record, OpenSession& open)
{
    // Without a number in 1..10 and a judgement, an answer belongs to no
    // session; keeping to the range also bounds what a session holds.
    const std::int32_t number = record.situationNumber.value_or(0);
    if (number < 1 || number > kSituationsPerSession || !record.correct)
        return;
    if (number <= open.lastNumber)
        open = OpenSession{};
    open.lastNumber = number;
    ++open.answers;
    if (record.responseMs)
        open.responseMs.push_back(*record.responseMs);
    if (*record.correct) {
        ++open.right;
        return;
    }
    open.mistakes.push_back({record.time, record.situation, record.givenAnswer, record.rightAnswer, record.responseMs});
    if (record.time.unixMs >= nowUnixMs_ - SpanMs(ProgressSpan::LastMonth))
        ++recentMistakes_[static_cast<std::size_t>(record.panel)][record.rightAnswer];
}

ProgressSummary ProgressBuilder::Finish(LogReadCounts counts) &&
{
    CloseRun(); // the run still going counts as it stands
    for (std::size_t i = 0; i < kLogPanelCount; ++i) {
        // Logs merged from two devices may interleave; the charts run by time.
        std::stable_sort(panels_[i].sessions.begin(), panels_[i].sessions.end(),
                         [](const SessionPoint& a, const SessionPoint& b) { return a.time.unixMs < b.time.unixMs; });
        // The map keeps the texts in order, and the stable sort keeps that
        // order among equal counts.
        std::vector<MistakeGroup>& groups = panels_[i].recentMistakes;
        for (const auto& [rightAnswer, count] : recentMistakes_[i])
            groups.push_back({rightAnswer, count});
        std::stable_sort(groups.begin(), groups.end(),
                         [](const MistakeGroup& a, const MistakeGroup& b) { return a.count > b.count; });
    }
    return ProgressSummary{nowUnixMs_, std::move(panels_), counts};
}

ProgressSummary SummariseLog(std::istream& in, std::int64_t nowUnixMs)
{
    ProgressBuilder builder(nowUnixMs);
    const LogReadCounts counts = ReadLog(in, [&](const LogRecord& record) { builder.Add(record); });
    return std::move(builder).Finish(counts);
}

ScoreSeries SessionsWithin(const ProgressSummary& summary, LogPanel panel, ProgressSpan span)
{
    const std::int64_t length = SpanMs(span);
    ScoreSeries series;
    for (const SessionPoint& point : summary.Of(panel).sessions) {
        if (length != std::numeric_limits<std::int64_t>::max() && point.time.unixMs < summary.nowUnixMs - length)
            continue;
        if (!series.best || point.score > series.sessions[*series.best].score)
            series.best = series.sessions.size();
        series.sessions.push_back(point);
    }
    return series;
}

} // namespace velmo
