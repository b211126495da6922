#pragma once
#include <cstdint>

const float kFrameCapMs = 100.0f;  // ms; a longer frame moves things as far as this

// The game time one pass plays, handed down by the main loop: the simulation
// never reads the clock itself, so a pass replays exactly from its tick.
struct Tick {
  uint32_t now;   // ms, game time of this pass
  float frameMs;  // ms since the previous pass
  // The movers' frame time: after a long stall nothing jumps through a wall.
  float movedMs() const { return frameMs > kFrameCapMs ? kFrameCapMs : frameMs; }
};
