#include "level/Level.h"

#include "platform/Image.h"
#include "platform/PictureFiles.h"

Level::Level() {
  tiles = loadImage(kTilesPicture);
  collisionTiles = loadImage(kCollisionTilesPicture);
  // Two separate copies: one gets the visible tiles, the other the collision tiles.
  levelImage = loadImage(kBackgroundPicture);
  collisionImage = loadImage(kBackgroundPicture);
}

Level::~Level() {
  freeImage(tiles);
  freeImage(collisionTiles);
  freeImage(levelImage);
  freeImage(collisionImage);
}

void Level::restartTimer(uint32_t now) { startTick = now; }

uint32_t Level::timeLeftMs(uint32_t now) const {
  // Counted from the elapsed time so that the clock stops at 0 instead of wrapping
  // to values near 2^32, which the status line and the time bonus would show.
  uint32_t elapsed = now - startTick;
  return elapsed >= kLevelTimeMs ? 0 : kLevelTimeMs - elapsed;
}
