#pragma once

// One pass of the main loop: frame time, the current screen's pass, flip, events.
// Returns false when the game is to end.
bool runPass();

// The pass of the current screen alone, with the given frame time.
void runScreenPass(float frameMs);

// Waits until the frame step has passed since the previous pass.
void waitForFrameStep();

// Milliseconds since the previous pass; remembers this pass's tick.
float measureFrame();
