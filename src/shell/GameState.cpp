#include "shell/GameState.h"

int32_t GameState = 0;
int32_t levelIndex = 0;
uint32_t lastFrameTick = 0;
int32_t secondsLeft = 0;
int32_t nameDelay = 0;
int32_t weaponCost = 10;
int32_t armourCost = 10;

int32_t getGameState() { return GameState; }
void setGameState(int32_t state) { GameState = state; }

int timeBonus() { return kTimeBonusPerSecond * secondsLeft; }

void startNameEntry() {
  // Letters typed on other screens, and the delay they set, must not carry into
  // the name: they could fill it with junk or push it past three letters.
  playerName.clear();
  nameDelay = 0;
  GameState = Submit;
}
