// The How to fold panel: an endless drill of hopeless situations; FOLD earns
// a point and shows the next one, CALL/OPEN costs four.
#pragma once

#include <cstdint>

namespace velmo {

class Platform;

class FoldTrainer {
public:
    explicit FoldTrainer(Platform& platform);

    void Fold();
    void CallOpen();

    std::int32_t score() const { return foldScore; }

private:
    void ShowScore();

    friend struct TrainerStateAccess; // see tests/support/trainer_state_access.h

    Platform& platform_;
    std::int32_t foldScore = 0;
};

} // namespace velmo
