#include "level/Level.h"

#include <algorithm>
#include <climits>
#include <string>

#include "level/FastBlit.h"
#include "platform/Image.h"
#include "platform/PictureFiles.h"
#include "platform/PixelHold.h"
#include "platform/RegularFile.h"

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

namespace {
// The text of "level<n>.txt". A missing or irregular file (a FIFO, a device) has no
// tiles: the level picture stays as it is and the collision is the plain
// background's. Of a larger map, the first megabyte is painted.
std::string mapOf(int n) {
  std::string name = "level" + std::to_string(n) + ".txt";
  std::string map;
  if (!wasRead(readRegularFile(name.c_str(), kMaxTextFileBytes, map, Oversize::Cut))) map.clear();
  return map;
}
}  // namespace

void Level::load(int n) {
  LevelPainting(mapOf(n), n, tiles, collisionTiles, background, levelImage, collision).paintRows(INT_MAX);
}

void Level::paint(int n) {
  startPaint(n);
  paintRows(INT_MAX);
}

void Level::startPaint(int n) {
  unpaint();
  // Taken here, by the painter, so the title need not wait for the background's
  // decoding, the longest of all.
  if (!background) background = loadImage(kBackgroundPicture);
  // A copy of its own, made a row at a time as it is painted, gets the visible
  // tiles; the collision tiles go into the map.
  levelImage = privateBlank(background);
  // The browser makes a canvas's memory at its first drawing, tens of ms for a
  // level picture: here, not in the pass that paints the first slice.
  showRows(levelImage, 0, 1);
  painting = std::make_unique<LevelPainting>(mapOf(n), n, tiles, collisionTiles, background, levelImage,
                                             collision, background);
}

bool Level::paintRows(int rows) {
  if (!painting) return true;
  const bool done = painting->paintRows(rows);
  // The browser draws the level from its canvas: each slice is shown as it is painted.
  const int height = levelImage ? levelImage->h : 0;
  const int painted = done ? height : std::min(painting->rowsPainted(), height);
  showRows(levelImage, shownRows, painted - shownRows);
  shownRows = painted;
  if (!done) return false;
  painting.reset();
  // Worked out here, by the painter, so the level's first frame need not.
  opaqueRow = opaqueRows(levelImage);
  opaqueRowOf = levelImage;
  dropPixels(levelImage);  // the browser only blits it from now on
  return true;
}

void Level::unpaint() {
  painting.reset();
  shownRows = 0;
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
  return elapsed >= clockMs ? 0 : clockMs - elapsed;
}
