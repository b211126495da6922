#pragma once

// How far a speed moves in a frame, the same for the hero and the goblins.
const double kMotionPerMs = 0.1;  // px per ms per unit of speed

// The pull of every level, the same on the hero and the goblins. Speeds are in
// tenths of a px per ms, positive downward.
const double kFallGrowth = 0.0001;  // speed gained per ms of frame per ms airborne
const float kFallSpeedCap = 3.0f;   // the fastest fall
