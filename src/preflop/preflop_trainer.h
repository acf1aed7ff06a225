// The Preflop Situation Trainer panel: timed sessions of ten situations,
// scored +1 + 4000 / elapsed for a right answer and -1 for a wrong one,
// with the session score offered to highscore slot 4.
#pragma once

#include "preflop/preflop_catalogue.h"
#include "quiz/timed_quiz.h"

#include <cstdint>

namespace velmo {

class Platform;
class PracticeLog;
struct SituationStartTick;

class PreflopTrainer {
public:
    PreflopTrainer(Platform& platform, SituationStartTick& situationStart, PracticeLog& log);

    void StartNext();
    void Answer(PreflopAnswer given);
    void Reset();

    PreflopAnswer expectedAnswer() const { return preflopExpectedAnswer; }

    // The session count, the answer count and the score.
    TimedQuiz& quiz() { return quiz_; }
    const TimedQuiz& quiz() const { return quiz_; }

private:
    friend struct TrainerStateAccess; // see tests/support/trainer_state_access.h

    Platform& platform_;
    SituationStartTick& situationStart_; // shared with the other timed panel
    std::int32_t preflopSituationCount = 0;
    std::int32_t preflopAnswerCount = 0;
    PreflopAnswer preflopExpectedAnswer = PreflopAnswer::None;
    std::int32_t preflopScore = 0;
    TimedQuiz quiz_;
};

} // namespace velmo
