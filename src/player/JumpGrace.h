#pragma once
#include <cstdint>

// Wild rules: a jump pressed a little late (just off a ledge) or early (just before
// landing) still jumps. What the hero's step and his jump key note for that.
struct JumpGrace {
  bool offLedge = false;  // walked off a ledge, and has not jumped since
  uint32_t offLedgeTick = 0;
  bool pressed = false;  // a jump pressed in the air, for the landing
  uint32_t pressTick = 0;

  // Field by field: a copy of a whole new struct may leave stray bytes in the padding,
  // and the draw-free test compares the hero byte for byte.
  void clear() {
    offLedge = pressed = false;
    offLedgeTick = pressTick = 0;
  }
};
