// The Manual Range Practice panel: random two-card hands that the user
// judges against their own chart; Done logs the score to highscore slot 0.
#pragma once

#include <cstdint>
#include <string>

namespace velmo {

class Platform;

// Two different cards, e.g. "Kd7s"; pauses 454 ms in all (more when the
// second card has to be drawn again because it equalled the first).
std::string DealTwoCards(Platform& platform);

class RangePractice {
public:
    explicit RangePractice(Platform& platform);

    void CorrectNext();   // 1003
    void IncorrectNext(); // 1004
    void Done();          // 1002

    std::int32_t pressCount() const { return rangePressCount; }
    float correctCount() const { return rangeCorrectCount; }
    float answeredCount() const { return rangeAnsweredCount; }
    float percent() const { return rangePercent; }

private:
    void Next(bool correct);

    // Tests set the counts and the percentage directly, to start at the
    // 32-bit limit and at values millions of presses would take to reach.
    friend struct TrainerStateAccess;

    Platform& platform_;
    std::int32_t rangePressCount = 0;
    float rangeCorrectCount = 0.0f;
    float rangeAnsweredCount = 0.0f;
    float rangePercent = 0.0f;
};

} // namespace velmo
