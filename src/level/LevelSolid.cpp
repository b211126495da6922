#include "level/Level.h"
#include "level/Pixels.h"

bool Level::isSolid(int x, int y) const { return isSolidAt(collisionImage, x, y); }
