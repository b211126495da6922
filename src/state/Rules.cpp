#include "state/Rules.h"

#include "state/GameState.h"

const Rules kClassicRules = {
    false,  // scoresDeeds
    // Forgiving a new player:
    false,  // buyBackAtLevelPrice
    false,  // lifeOnTheClock
    false,  // faintBlink
    false,  // thornsWilt
};
const Rules kWildRules = {
    true,  // scoresDeeds
    // Forgiving a new player:
    true,  // buyBackAtLevelPrice
    true,  // lifeOnTheClock
    true,  // faintBlink
    true,  // thornsWilt
};

const Rules& rules() { return wildRules ? kWildRules : kClassicRules; }
