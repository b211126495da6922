#include "level/Pixels.h"

#include <cmath>

namespace {
const int32_t kSolidBelow = -10;
}

bool isSolidValue(uint32_t pixel) { return static_cast<int32_t>(pixel) < kSolidBelow; }

int roundToInt(float v) { return static_cast<int>(std::floor(static_cast<double>(v) + 0.5)); }
