#include "level/Level.h"

#include "level/FastBlit.h"
#include "platform/Image.h"
#include "platform/PictureFiles.h"

Level::Level() {
  tiles = loadImage(kTilesPicture);
  collisionTiles = loadImage(kCollisionTilesPicture);
}

Level::~Level() {
  unpaint();
  freeImage(tiles);
  freeImage(collisionTiles);
  freeImage(background);
}

void Level::paint(int n) {
  unpaint();
  // Taken here, on the painter's thread, so the title need not wait for the
  // background's decoding, the longest of all.
  if (!background) background = loadImage(kBackgroundPicture);
  // A copy of its own gets the visible tiles; the collision tiles go into the map.
  levelImage = privateCopy(background);
  {
    // The sheets and the pictures are read and written a strip at a time.
    const PixelHold holdTiles(tiles), holdCollisionTiles(collisionTiles), holdBackground(background),
        holdImage(levelImage);
    load(n);
    // Worked out here, on the painter's thread, so the level's first frame need not.
    opaqueRow = opaqueRows(levelImage);
    opaqueRowOf = levelImage;
  }
  // Held anew once the painting is in the picture.
  drawHold = std::make_unique<PixelHold>(levelImage);
}

void Level::unpaint() {
  drawHold.reset();
  freeImage(levelImage);
  collision.clear();
  // A new picture may get the freed one's address.
  opaqueRow.clear();
  opaqueRowOf = nullptr;
}

void Level::restartTimer(uint32_t now) { startTick = now; }

uint32_t Level::timeLeftMs(uint32_t now) const {
  // Counted from the elapsed time so that the clock stops at 0 instead of wrapping
  // to values near 2^32, which the status line and the time bonus would show.
  uint32_t elapsed = now - startTick;
  return elapsed >= kLevelTimeMs ? 0 : kLevelTimeMs - elapsed;
}
