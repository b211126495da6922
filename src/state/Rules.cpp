#include "state/Rules.h"

#include "state/GameState.h"

const Rules kClassicRules = {false, 250, 0, false, false, 40, 0.0f, 1000};
const Rules kWildRules = {true, 400, 400, true, true, 12, 200.0f, 2000};

const Rules& rules() { return wildRules ? kWildRules : kClassicRules; }
