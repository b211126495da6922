#pragma once
// The game flow's own state and steps, for src/shell alone: the subsystems read
// state/GameState.h and report through playEvents.
#include <cstdint>

#include "state/GameState.h"

extern int32_t GameState;       // the current screen; 0 until start-up sets Title
extern uint32_t lastFrameTick;  // ms tick of the previous pass
extern int32_t nameDelay;       // ms to wait before the next letter key counts
// The name entry has been drawn: only then does a letter key type. A P meant to
// pause, in the pass that lost the last life, is no letter of the name.
extern bool nameEntryShown;

void setGameState(int32_t state);

// The run keys (or the pad's run) held down, as the hero got them: a new game keeps
// him running (startNewGame).
extern bool runLeftHeld, runRightHeld;
// From a new game's start to the name entry that ends it; key 1 abandons it.
extern bool gameUnderway;
// The name entry shown ends a game (not key 7 on the title or a list, say).
extern bool entryEndsGame;

// The game that just ended did not make the table: the list says so until key 1.
extern bool missedTable;

// Every title pass: the next game starts with full lives and no animals freed.
void actOnTitle();
// Every name-entry pass, before it shows: a score that misses the table goes
// straight to the list, the letter delay runs down, and a whole name is saved
// (in the browser once the files other tabs stored are in, a pass or two later).
void actOnNameEntry(float frameMs);

// Shows the name entry with a fresh name: key 7 and every end of a game come here.
void startNameEntry();

// After the hero's step: what it and the extras reported (the last life lost, an
// exit touched) changes the screen, which shows from the next pass; under the wild
// rules any lost life fills the level clock again.
void actOnPlayEvents(uint32_t now);
// The time bonus where each rule set pays it: the wild rules at the exit, the classic
// ones as the hero walks out of the shop (key 6 pays the last exit's seconds again there).
void payBonusAtExit();
void payBonusLeavingShop();

// Before the hero's step, under the wild rules: a level clock at 0 costs a life, which
// that step takes as any other, and the clock starts full again after it.
void actOnLevelClock(uint32_t now);
