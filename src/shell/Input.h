#pragma once
#include <SDL/SDL.h>

// Empties the event queue; false when the game is to end (Escape, window closed,
// SIGTERM or SIGINT).
bool handleEvents();

// Wait after an accepted letter, against a key that bounces; a person typing at
// normal speed is slower than this.
const int kNameDelayMs = 100;
