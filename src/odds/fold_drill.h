// The How to fold panel: an endless drill of hopeless situations; FOLD earns
// a point and shows the next one, CALL/OPEN costs four.
#pragma once

#include <cstdint>

namespace velmo {

class Platform;

class FoldDrill {
public:
    explicit FoldDrill(Platform& platform);

    void Fold();     // 1024
    void CallOpen(); // 1021

    std::int32_t score() const { return foldScore; }

private:
    void ShowScore();

    // Tests set the score directly, to start one point from the 32-bit limit.
    friend struct TrainerStateAccess;

    Platform& platform_;
    std::int32_t foldScore = 0;
};

} // namespace velmo
