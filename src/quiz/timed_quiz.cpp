#include "quiz/timed_quiz.h"

#include "common/number_to_text.h"
#include "common/platform.h"
#include "common/saturating_arithmetic.h"
#include "progress/practice_log.h"

#include <algorithm>
#include <utility>

namespace velmo {

TimedQuiz::TimedQuiz(Platform& platform, PracticeLog& log, LogPanel panel, int slot, QuizCounters counters)
    : platform_(platform), log_(log), panel_(panel), slot_(slot), counters_(counters)
{
}

void TimedQuiz::ShowSituation(int textBox, std::string text)
{
    platform_.SetBoxText(textBox, text);
    situation_ = std::move(text);
}

bool TimedQuiz::NextSituation()
{
    counters_.answerCount = 0;
    counters_.situationCount = SaturatingAdd(counters_.situationCount, 1);
    return !SessionOver();
}

bool TimedQuiz::PassGate()
{
    counters_.answerCount = SaturatingAdd(counters_.answerCount, 1);
    scoreAtGate_ = counters_.score;
    return counters_.answerCount < 2;
}

bool TimedQuiz::SessionOver() const
{
    return counters_.situationCount > kSituationsPerSession;
}

void TimedQuiz::Add(std::int32_t points)
{
    counters_.score = SaturatingAdd(counters_.score, points);
}

void TimedQuiz::Judge(const QuizAnswer& answer, std::int32_t bonus, int scoreBox)
{
    Add(answer.right ? 1 + bonus : -1);
    ShowNumber(platform_, scoreBox, static_cast<float>(counters_.score));
    Judged(answer);
}

void TimedQuiz::Judged(const QuizAnswer& answer)
{
    LogRecord record;
    record.panel = panel_;
    record.event = LogEvent::Answer;
    record.situation = situation_;
    record.rightAnswer = answer.rightAnswer;
    record.givenAnswer = answer.givenAnswer;
    record.correct = answer.right;
    record.responseMs = answer.responseMs;
    record.points = ClampToInt32(static_cast<std::int64_t>(counters_.score) - scoreAtGate_);
    // A Start/Next press after the session's end reopens its last situation.
    record.situationNumber = std::clamp(counters_.situationCount, 1, kSituationsPerSession);
    log_.Record(std::move(record));
}

HighscoreResult TimedQuiz::OfferScore()
{
    const HighscoreResult result = UpdateHighscore(platform_, slot_, counters_.score);
    LogRecord record;
    record.panel = panel_;
    record.event = LogEvent::SessionEnd;
    record.score = counters_.score;
    record.highscore = result.outcome == HighscoreOutcome::NewHighscore;
    log_.Record(std::move(record));
    return result;
}

void TimedQuiz::EndSession(int textBox)
{
    const HighscoreResult result = OfferScore();
    switch (result.outcome) {
    case HighscoreOutcome::NewHighscore:
        platform_.SetBoxText(textBox, "Session over. " + HighscoreText(platform_, result));
        break;
    case HighscoreOutcome::NotBeaten: platform_.SetBoxText(textBox, "Session over"); break;
    case HighscoreOutcome::FileMissing:
    case HighscoreOutcome::WriteFailed:
    case HighscoreOutcome::LockTimedOut: break;
    }
}

void TimedQuiz::Reset(std::initializer_list<int> boxes)
{
    counters_.situationCount = 0;
    counters_.score = 0;
    for (int box : boxes)
        platform_.SetBoxText(box, "");
}

} // namespace velmo
