// The Tournaments panel: timed sessions of ten push-or-fold situations with
// their own clock, the session score offered to highscore slot 5.
#pragma once

#include "quiz/timed_quiz.h"
#include "tournament/tournament_tables.h"

#include <cstdint>

namespace velmo {

class Platform;
class PracticeLog;

class TournamentTrainer {
public:
    TournamentTrainer(Platform& platform, PracticeLog& log);

    void StartNext();
    void Answer(TournamentAnswer given);
    void Reset();

    // The group of the situation on show, and the tick its answer is timed from.
    std::int32_t expectedGroup() const { return tourExpectedGroup; }
    std::uint32_t startTick() const { return tourStartTick; }

    // The session count, the answer count and the score.
    TimedQuiz& quiz() { return quiz_; }
    const TimedQuiz& quiz() const { return quiz_; }

private:
    friend struct TrainerStateAccess; // see tests/support/trainer_state_access.h

    Platform& platform_;
    std::int32_t tourSituationCount = 0;
    std::int32_t tourAnswerCount = 0;
    std::int32_t tourExpectedGroup = 0;
    std::int32_t tourScore = 0;
    std::uint32_t tourStartTick = 0;
    TimedQuiz quiz_;
};

} // namespace velmo
