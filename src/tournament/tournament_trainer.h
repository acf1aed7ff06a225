// The Tournaments panel: timed sessions of ten push-or-fold situations with
// their own clock, the session score offered to highscore slot 5.
#pragma once

#include "quiz/timed_quiz.h"

#include <cstdint>

namespace velmo {

class Platform;

class TournamentTrainer {
public:
    explicit TournamentTrainer(Platform& platform);

    void StartNext();
    void Push();
    void Fold();
    void Reset();

    std::int32_t situationCount() const { return tourSituationCount; }
    std::int32_t answerCount() const { return tourAnswerCount; }
    std::int32_t expectedGroup() const { return tourExpectedGroup; }
    std::int32_t score() const { return tourScore; }
    std::uint32_t startTick() const { return tourStartTick; }

    TimedQuiz& quiz() { return quiz_; }

private:
    void Answer(bool right);

    friend struct TrainerStateAccess; // tests/support/trainer_state_access.h

    Platform& platform_;
    std::int32_t tourSituationCount = 0;
    std::int32_t tourAnswerCount = 0;
    std::int32_t tourExpectedGroup = 0;
    std::int32_t tourScore = 0;
    std::uint32_t tourStartTick = 0;
    TimedQuiz quiz_;
};

} // namespace velmo
