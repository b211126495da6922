#include "state/Rules.h"

#include "state/GameState.h"

const Rules kClassicRules = {
    false,  // scoresDeeds
    200,    // statsX
    50,     // statsStepY
    // Goblins: a fair fight (classic goblins never bite, so these rest unused).
    250, 0, false, false, 40, 0.0f, 1000,
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
    176,   // statsX
    40,    // statsStepY
    // Goblins: biteWindUpMs, biteGraceMs, goblinsHoldWindUp, goblinsStopAtHero, biteShovePx,
    // respawnClearPx, respawnShieldMs.
    400, 400, true, true, 12, 200.0f, 2000,
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
