// The Preflop Situation Trainer panel: timed sessions of ten situations,
// scored +1 + 4000 / elapsed for a right answer and -1 for a wrong one,
// with the session score offered to highscore slot 4.
#pragma once

#include "preflop/preflop_catalogue.h"

#include <cstdint>

namespace velmo {

class Platform;
struct SituationStartTick;

class PreflopSession {
public:
    PreflopSession(Platform& platform, SituationStartTick& situationStart);

    void StartNext();                 // 1042
    void Answer(PreflopAnswer given); // 1043, 1044, 1045, 1046, 1050, 1048, 1051
    void Reset();                     // 1039

    std::int32_t situationCount() const { return preflopSituationCount; }
    std::int32_t answerCount() const { return preflopAnswerCount; }
    PreflopAnswer expectedAnswer() const { return preflopExpectedAnswer; }
    std::int32_t score() const { return preflopScore; }

private:
    void EndSession();

    // Tests set the score and the situation and answer counts directly, to
    // start at limits no run of presses reaches in a test's time.
    friend struct TrainerStateAccess;

    Platform& platform_;
    SituationStartTick& situationStart_; // shared with the other timed panel
    std::int32_t preflopSituationCount = 0;
    std::int32_t preflopAnswerCount = 0;
    PreflopAnswer preflopExpectedAnswer = PreflopAnswer::None;
    std::int32_t preflopScore = 0;
};

} // namespace velmo
