#include "state/GameState.h"

int32_t levelIndex = 0;
int32_t secondsLeft = 0;
int32_t weaponCost = 10;
int32_t armourCost = 10;
int32_t nutsSpent = 0;
bool wildRules = false;
PlayEvents playEvents;

int timeBonus() { return kTimeBonusPerSecond * secondsLeft; }
