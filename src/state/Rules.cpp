#include "state/Rules.h"

#include "state/GameState.h"

const Rules kClassicRules = {false};
const Rules kWildRules = {true};

const Rules& rules() { return wildRules ? kWildRules : kClassicRules; }
