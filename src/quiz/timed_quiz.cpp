#include "quiz/timed_quiz.h"

#include "common/number_to_text.h"
#include "common/platform.h"
#include "common/saturating_arithmetic.h"

namespace velmo {
namespace {

QuizObserver& Unobserved()
{
    static QuizObserver none;
    return none;
}

} // namespace

TimedQuiz::TimedQuiz(Platform& platform, int slot, QuizCounters counters)
    : platform_(platform), slot_(slot), counters_(counters), observer_(&Unobserved())
{
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

void TimedQuiz::Judge(bool right, std::int32_t bonus, int scoreBox)
{
    Add(right ? 1 + bonus : -1);
    ShowNumber(platform_, scoreBox, static_cast<float>(counters_.score));
    Judged(right);
}

void TimedQuiz::Judged(bool right)
{
    observer_->AnswerJudged(slot_, right, counters_.score);
}

HighscoreResult TimedQuiz::OfferScore()
{
    observer_->SessionEnded(slot_, counters_.score);
    return UpdateHighscore(platform_, slot_, counters_.score);
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
