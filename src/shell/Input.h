#pragma once
#include <SDL/SDL.h>

// Empties the event queue; false when the game is to end (Escape, window closed).
bool handleEvents();
// Space and the up arrow: buy in the shop, leave the statistics, jump in play.
void actionKey();

const int kNameDelayPasses = 60;  // passes to wait after an accepted letter: about a second
