// The SCORES panel: the combined highscore (every slot but slot 8, which
// keeps the best combined total) and the reset of the highscore file.
#pragma once

namespace velmo {

class Platform;

class ScoresPanel {
public:
    explicit ScoresPanel(Platform& platform);

    void Highscores(); // 1028
    void Reset();      // 1031

private:
    Platform& platform_;
};

} // namespace velmo
