#pragma once

// Key 1 on the title: a fresh game at level 0.
void startNewGame();
// Key 1 on the title: the new game at once, or as soon as the levels are painted.
void requestNewGame();
// The title pass: starts the game asked for once the levels are painted.
void startWaitingGame();
// Leaving the title: a game asked for while loading is no longer wanted.
void forgetWaitingGame();
// Key 6 during play, under the classic rules: straight to the shop. False when not taken.
bool skipToShop();
// Walking out of the shop: the next level, or the end of the game after the last.
void leaveShop();
// The next level: next index, start position, new goblins, extras back, clock.
void startLevel();
// The level play needs next on the current screen: the one played, the next one
// between levels, the first one elsewhere; kLevelCount after the last level.
int levelToPaint();
// Goblins spawned around the hero's position, extras back in place.
void respawnLevelObjects();
