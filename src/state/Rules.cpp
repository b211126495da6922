#include "state/Rules.h"

#include "state/GameState.h"

// Each: deeds' points; the statistics' x and step; the goblins' fair fight.
const Rules kClassicRules = {false, 200, 50, 250, 0, false, false, 40, 0.0f, 1000};
const Rules kWildRules = {true, 176, 40, 400, 400, true, true, 12, 200.0f, 2000};

const Rules& rules() { return wildRules ? kWildRules : kClassicRules; }
