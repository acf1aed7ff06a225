// The Tournaments panel: timed sessions of ten push-or-fold situations with
// their own clock, the session score offered to highscore slot 5.
#pragma once

#include <cstdint>

namespace velmo {

class Platform;

class TournamentSession {
public:
    explicit TournamentSession(Platform& platform);

    void StartNext(); // 1032
    void Push();      // 1035
    void Fold();      // 1036
    void Reset();     // 1038

    std::int32_t situationCount() const { return tourSituationCount; }
    std::int32_t answerCount() const { return tourAnswerCount; }
    std::int32_t expectedGroup() const { return tourExpectedGroup; }
    std::int32_t score() const { return tourScore; }
    std::uint32_t startTick() const { return tourStartTick; }

private:
    void EndSession();
    void Answer(bool right);

    // Tests set the score and the situation and answer counts directly, to
    // start at limits no run of presses reaches in a test's time.
    friend struct TrainerStateAccess;

    Platform& platform_;
    std::int32_t tourSituationCount = 0;
    std::int32_t tourAnswerCount = 0;
    std::int32_t tourExpectedGroup = 0;
    std::int32_t tourScore = 0;
    std::uint32_t tourStartTick = 0;
};

} // namespace velmo
