#include "level/Level.h"

#include <algorithm>
#include <climits>
#include <string>

#include "platform/FastBlit.h"
#include "platform/Image.h"
#include "platform/PictureFiles.h"
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
  levelImage = privateUnset(background);  // every row gets the background's first
  painting = std::make_unique<LevelPainting>(mapOf(n), n, tiles, collisionTiles, background, levelImage,
                                             collision, background);
}

bool Level::paintRows(int rows) {
  if (!painting) return true;
  if (!pictureIn(background) || !painting->paintRows(rows)) return false;
  painting.reset();
  // Worked out here, by the painter, so the level's first frame need not.
  opaqueRow = opaqueRows(levelImage);
  opaqueRowOf = levelImage;
  return true;
}

void Level::unpaint() {
  painting.reset();
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
