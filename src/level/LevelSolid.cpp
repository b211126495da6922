#include "level/Level.h"

bool Level::isSolid(int x, int y) const { return collision.isSolid(x, y); }
