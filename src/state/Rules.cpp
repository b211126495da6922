#include "state/Rules.h"

#include "state/GameState.h"

const Rules kClassicRules = {
    false,  // scoresDeeds
    // Forgiving a new player:
    false,  // buyBackAtLevelPrice
    false,  // lifeOnTheClock
};
const Rules kWildRules = {
    true,  // scoresDeeds
    // Forgiving a new player:
    true,  // buyBackAtLevelPrice
    true,  // lifeOnTheClock
};

const Rules& rules() { return wildRules ? kWildRules : kClassicRules; }
