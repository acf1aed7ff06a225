// The Tilt Sensor panel: eight yes-or-no questions that move a tilt level,
// then a verdict with the level.
#pragma once

#include <cstdint>

namespace velmo {

class Platform;

class TiltSensor {
public:
    static constexpr std::int32_t kStartLevel = 225;

    explicit TiltSensor(Platform& platform);

    void StartNext(); // 1007
    void Yes();       // 1009
    void No();        // 1010
    void Reset();     // 1011

    std::int32_t questionIndex() const { return tiltQuestionIndex; }
    std::int32_t answerCount() const { return tiltAnswerCount; }
    std::int32_t level() const { return tiltLevel; }

private:
    void Answer(bool yes);

    // Lets tests start from a state no run of presses reaches in time, such
    // as a score at the 32-bit limit.
    friend struct TrainerStateAccess;

    Platform& platform_;
    std::int32_t tiltQuestionIndex = 0;
    std::int32_t tiltAnswerCount = 0;
    std::int32_t tiltLevel = kStartLevel;
};

} // namespace velmo
