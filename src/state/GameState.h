#pragma once
// The game's shared state: what the levels, the hero, the extras and the texts
// may read, and the events they report. Only src/shell changes the state and
// runs the flow (shell/GameFlow.h).
#include <cstdint>
#include <string>

// The screens. 6 is not used.
enum : int32_t {
  Title = 1,
  Playing = 2,
  Shop = 3,
  LevelStats = 4,
  Scores = 5,
  Instructions = 7,
  Story = 8,
  About = 9,
  Submit = 10,
  Victory = 11,  // the ending, after the last level's shop
};

// Written by the game flow alone.
extern int32_t levelIndex;      // level being played, 0 … 4
extern int32_t secondsLeft;     // whole seconds left when the level exit was touched
extern std::string playerName;  // name typed for the high-score table
extern int32_t weaponCost;      // nuts
extern int32_t armourCost;      // nuts
extern int32_t nutsSpent;       // nuts paid in the shop this game
// The rule set of the game being played, chosen on the title: the classic rules,
// or the wild ones in which the forest fights back. Every start begins classic.
extern bool wildRules;

int32_t getGameState();

const int kTimeBonusPerSecond = 3;  // points per whole second left
// The points the seconds left at the last level exit are worth.
int timeBonus();

// What the hero's step found that ends the level: the hero and the extras set
// these, and the game flow acts on them once the step is over, so the new
// screen shows from the next pass.
struct PlayEvents {
  bool lifeLost = false;     // a life is lost, by whatever cause
  bool outOfLives = false;   // the last life is lost
  bool exitTouched = false;  // the hero reached a level exit
  bool leftLevel() const { return outOfLives || exitTouched; }
};
extern PlayEvents playEvents;
