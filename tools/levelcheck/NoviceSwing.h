#pragma once
// When the novice swings: only at a goblin in front of him that has stood in his reach a while,
// as a new player takes that long to see it; then on every other pass while it
// stays, as the expert does.
#include <cstdint>

const uint32_t kNoviceSwingWaitMs = 200;  // a goblin in reach this long before he swings

class NoviceSwing {
 public:
  // Whether his swing key is down in the pass at `now` (ms), with a goblin in reach or not.
  bool down(bool reach, uint32_t now);

 private:
  bool swinging = false, inReach = false;
  uint32_t reachSince = 0;  // ms, when the goblin in reach came into it
};

// Does his swing reach a goblin in front of him now (not one behind his back)?
bool goblinInFront();
