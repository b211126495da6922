#pragma once
#include <SDL/SDL.h>

// Empties the event queue; false when the game is to end (Escape, window closed,
// SIGTERM or SIGINT).
bool handleEvents();

const int kNameDelayPasses = 60;  // passes to wait after an accepted letter: about a second
