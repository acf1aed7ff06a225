// The How to fold panel: an endless drill of hopeless situations; FOLD earns
// a point and shows the next one, CALL/OPEN costs four.
#pragma once

#include <cstdint>

namespace velmo {

class Platform;
class PracticeLog;

class FoldTrainer {
public:
    FoldTrainer(Platform& platform, PracticeLog& log);

    void Fold();
    void CallOpen();

    std::int32_t score() const { return foldScore; }

private:
    // Moves the score, shows it and logs the press.
    void AddPoints(std::int32_t points);
    void ShowScore();

    friend struct TrainerStateAccess; // see tests/support/trainer_state_access.h

    Platform& platform_;
    PracticeLog& log_;
    std::int32_t foldScore = 0;
};

} // namespace velmo
