#pragma once
#include <cstdint>

// What a rule set changes, in one table for each: the movers, contacts, view and
// screens read their numbers and switches here instead of asking which rules are
// played. A new difference between the rules is a field here.
struct Rules {
  bool scoresDeeds;  // nuts, animals and goblins knocked out earn points
  // The statistics lines: the classic five where they always stood, the wild six
  // closer together and further left, clear of the panel's edge.
  int statsX, statsStepY;  // px
  // Goblins: a fair fight (classic goblins never bite, so their numbers rest unused).
  uint32_t biteWindUpMs;     // a goblin's raised weapon shows this long before a meeting's first bite
  uint32_t biteGraceMs;      // a hero who comes in a goblin's reach is not bitten for this long
  bool goblinsHoldWindUp;    // the attack cycle holds the raised weapon until the bite: the warning
  bool goblinsStopAtHero;    // a walking goblin stops at the hero's body instead of passing through
  int biteShovePx;           // how far a bite pushes the hero away from the goblin
  float respawnClearPx;      // goblins nearer than this where a lost life starts go back to their posts
  uint32_t respawnShieldMs;  // the safety after a lost life

  // Forgiving a new player: the shop, the clock, the blink, the thorns, the jumps.
  bool buyBackAtLevelPrice;  // a weapon level traded away costs its own price again
  bool lifeOnTheClock;       // the level clock at 0 costs a life, and every lost life fills it
  bool faintBlink;           // the blink's dark periods show the hero faint, not not at all
  bool thornsWilt;           // a touched thorn lies flat in place, not 50 px down in the ground
  uint32_t lateJumpMs;       // a jump pressed this long after walking off a ledge still jumps
  uint32_t earlyJumpMs;      // a jump pressed this long before landing jumps on landing
  double slideDecayScale;    // times the classic slowing of a slide: 4 slides half as far

  // The wild game's own ways: the hero, his swing and the goblins.
  bool hurtShields;          // a bite, a thorn or a lost life starts a safety: nothing hurts during the blink
  bool hurtFrame;            // a hurt flashes a red frame round the screen
  bool ceilingsStop;         // a rising hero's head stops under solid ground
  bool cagesAreCheckpoints;  // a freed cage is where the next lost life starts
  int levelStartHealth;      // a level starts with at least this much health
  bool swingPlaysOut;        // a swing plays whole and hits what its arc covers, once a goblin
  bool goblinsBite;          // goblins strike at a hero in reach (classic ones only strike a pose)
  bool goblinsRecoil;        // a hit pushes the goblin away from the hero
  float goblinAttackReach;   // px; nearer than this a goblin strikes its attack pose

  // The level, the road and the screens.
  bool ownExtras;    // each level's own nuts, cages, thorns, traps and goblin posts (its extras file)
  bool shopKey;      // key 6 goes straight to the shop
  bool bonusAtExit;  // the time bonus is paid at the exit, not walking out of the shop
  bool showsHealth;  // the status lines show the health after the lives
  int statusPoints;  // the status lines' font size
  int statusBandPx;  // the play is drawn this far down, below a band that holds the status lines
  float viewLeadPx;  // the view leads the running hero by up to this much, eased
  bool exitArrow;    // an arrow at the screen's edge points to an exit out of view
  bool viewInLevel;  // the view stays inside the level picture; near its ends the hero leaves the middle
  float exitReachPx;  // px across within which the hero's corner touches the gate's middle
};

extern const Rules kClassicRules, kWildRules;

// The table of the rules chosen for this game (wildRules).
const Rules& rules();
