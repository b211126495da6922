#pragma once
#include <SDL/SDL.h>

// Empties the event queue into the command list (Commands.h), which the main loop
// plays; false when the game is to end (Escape, window closed, SIGTERM or SIGINT).
bool handleEvents();
// The same while start-up waits: the keys join the list as they come, and an
// end asked for meanwhile (Escape, window closed) is kept as a stop request.
void handleEventsWhileWaiting();
