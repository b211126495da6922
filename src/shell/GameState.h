#pragma once
// The game's shared state: the one header of the game flow that the levels,
// the hero, the extras and the texts read.
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

extern int32_t GameState;       // the current screen; 0 until start-up sets Title
extern int32_t levelIndex;      // level being played, 0 … 4
extern uint32_t lastFrameTick;  // ms tick of the previous pass
extern int32_t secondsLeft;     // whole seconds left when the level exit was touched
extern int32_t nameDelay;       // ms to wait before the next letter key counts
extern std::string playerName;  // name typed for the high-score table
extern int32_t weaponCost;      // nuts
extern int32_t armourCost;      // nuts

int32_t getGameState();
void setGameState(int32_t state);

const int kTimeBonusPerSecond = 3;  // points per whole second left
// The points the seconds left at the last level exit are worth.
int timeBonus();

// Shows the name entry with a fresh name: key 7 and every end of a game come here.
void startNameEntry();
