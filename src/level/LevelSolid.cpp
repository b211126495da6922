#include "level/Level.h"
#include "level/Pixels.h"
#include "shell/GameState.h"

bool Level::isSolid(int x, int y) const { return isSolidAt(collisionImage, x, y); }

bool solid(int x, int y) { return levels[levelIndex].isSolid(x, y); }
