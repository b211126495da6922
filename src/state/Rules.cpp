#include "state/Rules.h"

#include "state/GameState.h"

const Rules kClassicRules = {
    false,  // scoresDeeds
    // Forgiving a new player:
    false,  // buyBackAtLevelPrice
};
const Rules kWildRules = {
    true,  // scoresDeeds
    // Forgiving a new player:
    true,  // buyBackAtLevelPrice
};

const Rules& rules() { return wildRules ? kWildRules : kClassicRules; }
