// The SCORES panel: the combined highscore (every slot but slot 8, which
// keeps the best combined total) and the reset of the highscore file.
#pragma once

namespace velmo {

class Platform;

class ScoresTrainer {
public:
    explicit ScoresTrainer(Platform& platform);

    void Highscores();
    void Reset();

private:
    Platform& platform_;
};

} // namespace velmo
