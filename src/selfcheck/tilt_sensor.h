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

    // Tests set the level, the question and the answer count directly, to
    // start at any point of the questionnaire.
    friend struct TrainerStateAccess;

    Platform& platform_;
    std::int32_t tiltQuestionIndex = 0;
    std::int32_t tiltAnswerCount = 0;
    std::int32_t tiltLevel = kStartLevel;
};

} // namespace velmo
