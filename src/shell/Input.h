#pragma once
#include <SDL/SDL.h>

// Empties the event queue into the command list (Commands.h), which the main loop
// plays; false when the game is to end (Escape, window closed, SIGTERM or SIGINT).
bool handleEvents();
