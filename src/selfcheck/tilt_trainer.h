// The Tilt Sensor panel: eight yes-or-no questions that move a tilt level,
// then a verdict with the level.
#pragma once

#include <cstdint>

namespace velmo {

class Platform;
class PracticeLog;

class TiltTrainer {
public:
    static constexpr std::int32_t kStartLevel = 225;

    TiltTrainer(Platform& platform, PracticeLog& log);

    void StartNext();
    void Yes();
    void No();
    void Reset();

    std::int32_t questionIndex() const { return tiltQuestionIndex; }
    std::int32_t answerCount() const { return tiltAnswerCount; }
    std::int32_t level() const { return tiltLevel; }

private:
    void Answer(bool yes);

    friend struct TrainerStateAccess; // see tests/support/trainer_state_access.h

    Platform& platform_;
    PracticeLog& log_;
    std::int32_t tiltQuestionIndex = 0;
    std::int32_t tiltAnswerCount = 0;
    std::int32_t tiltLevel = kStartLevel;
};

} // namespace velmo
