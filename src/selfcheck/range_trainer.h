// The Manual Range Practice panel: random two-card hands that the user
// judges against their own chart; Done logs the score to highscore slot 0.
#pragma once

#include <cstdint>
#include <string>

namespace velmo {

class Platform;
class PracticeLog;

// Two different cards, e.g. "Kd7s"; pauses 454 ms in all (more when the
// second card has to be drawn again because it equalled the first).
std::string DealTwoCards(Platform& platform);

class RangeTrainer {
public:
    RangeTrainer(Platform& platform, PracticeLog& log);

    void CorrectNext();
    void IncorrectNext();
    void Done();

    std::int32_t pressCount() const { return rangePressCount; }
    float correctCount() const { return rangeCorrectCount; }
    float answeredCount() const { return rangeAnsweredCount; }
    float percent() const { return rangePercent; }

private:
    void Next(bool correct);

    friend struct TrainerStateAccess; // see tests/support/trainer_state_access.h

    Platform& platform_;
    PracticeLog& log_;
    std::int32_t rangePressCount = 0;
    float rangeCorrectCount = 0.0f;
    float rangeAnsweredCount = 0.0f;
    float rangePercent = 0.0f;
};

} // namespace velmo
