#pragma once
#include <cstdint>

// A pixel is solid when its value, taken as a signed number, is below -10:
// opaque and not white or near-white.
bool isSolidValue(uint32_t pixel);

// The largest whole number not greater than v + 0.5 (halves round up).
int roundToInt(float v);
