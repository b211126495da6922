#pragma once
#include "platform/Tick.h"

// One pass of the main loop: frame time, the current screen's pass, flip, events.
// Returns false when the game is to end.
bool runPass();

// The pass of the current screen alone, with the given frame time.
void runScreenPass(float frameMs);

// Plays the waiting commands at once, at the game time now: for input read
// between passes (start-up, and the tools that drive the passes themselves).
void playCommandsNow();

// Waits until the frame step has passed since the previous pass.
void waitForFrameStep();

// Milliseconds since the previous pass; remembers this pass's tick.
float measureFrame();
