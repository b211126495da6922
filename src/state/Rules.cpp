#include "state/Rules.h"

#include "state/GameState.h"

const Rules kClassicRules = {
    false,  // scoresDeeds
    // Forgiving a new player:
    false,  // buyBackAtLevelPrice
    false,  // lifeOnTheClock
    false,  // faintBlink
    false,  // thornsWilt
    0,      // lateJumpMs
    0,      // earlyJumpMs
    1.0,    // slideDecayScale
};
const Rules kWildRules = {
    true,  // scoresDeeds
    // Forgiving a new player:
    true,  // buyBackAtLevelPrice
    true,  // lifeOnTheClock
    true,  // faintBlink
    true,  // thornsWilt
    100,   // lateJumpMs
    100,   // earlyJumpMs
    4.0,   // slideDecayScale
};

const Rules& rules() { return wildRules ? kWildRules : kClassicRules; }
