#include "state/Rules.h"

#include "state/GameState.h"

const Rules kClassicRules = {false, 200, 50};
const Rules kWildRules = {true, 176, 40};

const Rules& rules() { return wildRules ? kWildRules : kClassicRules; }
