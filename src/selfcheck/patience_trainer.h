// The Patience panel: each HIT adds a small random gain at a rate that grows
// with the presses, risks a rare setback, and freezes the window for two
// seconds; Done logs the points to highscore slot 3.
#pragma once

#include <cstdint>

namespace velmo {

class Platform;
class PracticeLog;

class PatienceTrainer {
public:
    PatienceTrainer(Platform& platform, PracticeLog& log);

    void Hit();
    void Done();

    std::int32_t hitCount() const { return patienceHitCount; }
    float points() const { return patiencePoints; }

private:
    friend struct TrainerStateAccess; // see tests/support/trainer_state_access.h

    Platform& platform_;
    PracticeLog& log_;
    std::int32_t patienceHitCount = 0;
    float patiencePoints = 0.0f;
};

} // namespace velmo
