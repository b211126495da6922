#pragma once

// SIGTERM and SIGINT end the game as closing its window does. The handler only
// notes the request; the main loop and the level painter look at it often
// enough that the game ends within a fraction of a second at any moment. A
// SIGINT inherited as ignored is left ignored.
void catchStopSignals();
bool stopRequested();
// Notes a request as the signal handler does; for tests.
void requestStop();
void clearStopRequest();
