#include "state/Rules.h"

#include "state/GameState.h"

const Rules kClassicRules = {
    false,  // scoresDeeds
    200,    // statsX
    50,     // statsStepY
    // Goblins: a fair fight (classic goblins never bite, so these rest unused).
    250,    // biteWindUpMs
    0,      // biteGraceMs
    false,  // goblinsHoldWindUp
    false,  // goblinsStopAtHero
    40,     // biteShovePx
    0.0f,   // respawnClearPx
    1000,   // respawnShieldMs
    // Forgiving a new player:
    false,  // buyBackAtLevelPrice
    false,  // lifeOnTheClock
    false,  // faintBlink
    false,  // thornsWilt
    0,      // lateJumpMs
    0,      // earlyJumpMs
    1.0,    // slideDecayScale
    // The wild game's own ways:
    false,  // hurtShields
    false,  // hurtFrame
    false,  // ceilingsStop
    false,  // cagesAreCheckpoints
    0,      // levelStartHealth
    false,  // swingPlaysOut
    false,  // goblinsBite
    false,  // goblinsRecoil
    60.0f,  // goblinAttackReach
    // The level, the road and the screens:
    false,  // ownExtras
    true,   // shopKey
    false,  // bonusAtExit
    false,  // showsHealth
    20,     // statusPoints
    0,      // statusBandPx
    0.0f,   // viewLeadPx
    false,  // exitArrow
    false,  // viewInLevel
    30.0f,  // exitReachPx
};

const Rules kWildRules = {
    true,  // scoresDeeds
    176,   // statsX
    40,    // statsStepY
    // Goblins: a fair fight.
    400,     // biteWindUpMs
    400,     // biteGraceMs
    true,    // goblinsHoldWindUp
    true,    // goblinsStopAtHero
    12,      // biteShovePx
    200.0f,  // respawnClearPx
    2000,    // respawnShieldMs
    // Forgiving a new player:
    true,  // buyBackAtLevelPrice
    true,  // lifeOnTheClock
    true,  // faintBlink
    true,  // thornsWilt
    100,   // lateJumpMs
    100,   // earlyJumpMs
    4.0,   // slideDecayScale
    // The wild game's own ways (a hero near 0 health would lose a life to the first bite;
    // the pose warns of a bite, so it comes sooner: a hero running in arrives as the wind-up ends):
    true,    // hurtShields
    true,    // hurtFrame
    true,    // ceilingsStop
    true,    // cagesAreCheckpoints
    60,      // levelStartHealth
    true,    // swingPlaysOut
    true,    // goblinsBite
    true,    // goblinsRecoil
    110.0f,  // goblinAttackReach
    // The level, the road and the screens (15 points: the status lines with the health and
    // a three-digit clock fit):
    true,    // ownExtras
    false,   // shopKey
    true,    // bonusAtExit
    true,    // showsHealth
    15,      // statusPoints
    36,      // statusBandPx
    120.0f,  // viewLeadPx
    true,    // exitArrow
    true,    // viewInLevel
    60.0f,   // exitReachPx: a hero anywhere in the gate's middle walks through it
};

const Rules& rules() { return wildRules ? kWildRules : kClassicRules; }
