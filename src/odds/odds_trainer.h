// The RE/Odds panel: timed call-or-fold decisions judged by the hero's outs
// against the equity the villain's bet requires; ten situations a session,
// the score offered to highscore slot 1.
#pragma once

#include "quiz/timed_quiz.h"

#include <cstdint>

namespace velmo {

class Platform;
class PracticeLog;
struct SituationStartTick;

// The four values a situation is dealt from, in the order they are drawn.
enum class OddsValue {
    PotSize = 1,     // 10 to 5009
    BetRow = 2,      // 1 to 12, a row of the bet-size table
    Outs = 3,        // 2 to 21
    StreetsLeft = 4, // 1 or 2
};

// Pauses, reseeds from the clock and draws one `value`; a value outside the
// four gives 0 without pausing or drawing.
int DrawOddsValue(Platform& platform, OddsValue value);
// The bet as a fraction of the pot for rows 1 to 12; others give 0.
float BetFractionForRow(int row);
// The equity in percent that a call of a bet of `fraction` requires (0 for 0).
int RequiredEquityForFraction(float fraction);
// The villain's bet in chips: pot times fraction, formed in floating point and
// truncated toward zero.
std::int32_t OddsBetAmount(std::int32_t pot, float fraction);
// Whether Call is the right answer: the hero's equity (outs times 2 with one
// street to come, times 4 otherwise) reaches the equity the bet requires.
bool OddsCallExpected(std::int32_t outs, std::int32_t streetsLeft, float fraction);

class OddsTrainer {
public:
    OddsTrainer(Platform& platform, SituationStartTick& situationStart, PracticeLog& log);

    void StartNext();
    void Fold();
    void Call();
    void Reset();

    // The situation on show, as it was drawn.
    std::int32_t potSize() const { return oddsPotSize; }
    std::int32_t betRow() const { return oddsBetRow; }
    float betFraction() const { return oddsBetFraction; }
    std::int32_t betAmount() const { return oddsBetAmount; }
    std::int32_t outs() const { return oddsOuts; }
    std::int32_t streetsLeft() const { return oddsStreetsLeft; }

    // The session count, the answer count and the score.
    TimedQuiz& quiz() { return quiz_; }
    const TimedQuiz& quiz() const { return quiz_; }

private:
    enum class Answer { Fold, Call };

    void Judge(Answer given);
    void EndSession();
    void ShowScore();

    friend struct TrainerStateAccess; // see tests/support/trainer_state_access.h

    Platform& platform_;
    SituationStartTick& situationStart_; // shared with the other timed panel
    std::int32_t oddsSituationCount = 0;
    std::int32_t oddsAnswerCount = 0;
    std::int32_t oddsScore = 0;
    std::int32_t oddsPotSize = 0;
    std::int32_t oddsBetRow = 0;
    float oddsBetFraction = 0.0f;
    std::int32_t oddsBetAmount = 0;
    std::int32_t oddsOuts = 0;
    std::int32_t oddsStreetsLeft = 0;
    TimedQuiz quiz_;
};

} // namespace velmo
