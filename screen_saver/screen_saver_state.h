// The screen saver's program-wide counters.
#pragma once

#include <cstdint>

namespace kalvor {

struct ScreenSaverState {
    // 1 to 4: the pause before anything is drawn; 5: the blind effect;
    // 6: the first text; 7: refreshing the text.
    int32_t animationPhase = 1;
    // Pass 1 to 6 of the blind effect.
    int32_t blindPass = 1;
    // Mouse moves seen so far; the fifth ends the screen saver.
    int32_t mouseMovesSeen = 0;
};

}  // namespace kalvor
