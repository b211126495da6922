// The map loader: one character per 50 x 50 cell, one line per row of cells.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "level/CollisionMap.h"
#include "level/FastBlit.h"
#include "level/Level.h"
#include "platform/Image.h"
#include "platform/PixelHold.h"
#include "platform/RegularFile.h"
#include "platform/StopRequest.h"

namespace {
const int kCellPx = tile::kSize;          // px, both ways, in the sheets and the level pictures
const int kOtherTileColumn = tile::kAir;  // every character but 'a' … 'y' and the line feed
const long long kMaxRectPos = 32767;      // px; blit positions are signed 16-bit

int tileColumn(int c) { return (c >= 'a' && c <= 'y') ? c - 'a' : kOtherTileColumn; }

// The map character at `at`, moving `at` past it. A carriage return directly before
// a line feed belongs to the line end (maps saved with Windows line ends); a lone
// carriage return is a cell.
char readMapChar(const std::string& map, size_t& at) {
  char c = map[at++];
  if (c == '\r' && at < map.size() && map[at] == '\n') c = map[at++];
  return c;
}

// How alpha covers each pixel row of each tile of a sheet's row, worked out once
// per load. Tiles that do not lie wholly inside the sheet are left to SDL, which cuts them.
struct TileCovers {
  Cover line[kOtherTileColumn + 1][kCellPx];
  TileCovers(SDL_Surface* sheet, int tileY) {
    for (int k = 0; k <= kOtherTileColumn; ++k) {
      bool inside = sheet && (k + 1) * kCellPx <= sheet->w && tileY >= 0 && tileY + kCellPx <= sheet->h;
      for (int r = 0; r < kCellPx; ++r) {
        SDL_Rect strip = {static_cast<Sint16>(k * kCellPx), static_cast<Sint16>(tileY + r), kCellPx, 1};
        line[k][r] = inside ? alphaCoverOf(sheet, strip) : Cover::Mixed;
      }
    }
  }
};

// Paints `area` of the sheet at (x, y) as an alpha blit would: nothing for a
// clear area, a copy for an opaque one, SDL's blend for the rest. `levelY` is the
// level row that y shows: no blend reaches below the rows a whole level picture
// can blit to, even when the image is one row of it.
void paintArea(SDL_Surface* sheet, SDL_Rect area, SDL_Surface* image, int x, int y, int levelY, Cover cover) {
  if (cover == Cover::Clear) return;
  if (cover == Cover::Opaque && copyOpaqueArea(sheet, area, image, x, y)) return;
  // Where a blit copies the whole image (the browser), the blend is done here.
  if (PixelHold::locksCopyPictures() && blendArea(sheet, area, image, x, y)) return;
  if (x > kMaxRectPos || levelY > kMaxRectPos) return;  // blit positions are 16-bit
  SDL_Rect dst = {static_cast<Sint16>(x), static_cast<Sint16>(y), 0, 0};
  SDL_BlitSurface(sheet, &area, image, &dst);
}

const uint8_t kNoCell = 255;

// The tile of every map cell that lies at least partly inside a picture of
// width x height; the map itself is not kept once it is painted.
struct CellGrid {
  int columns = 0, rows = 0;
  std::vector<uint8_t> tile;
  uint8_t at(int column, int row) const { return tile[size_t(row) * columns + column]; }
};

CellGrid readMap(const std::string& map, int width, int height) {
  CellGrid grid;
  grid.columns = (width + kCellPx - 1) / kCellPx;
  grid.rows = (height + kCellPx - 1) / kCellPx;
  grid.tile.assign(size_t(grid.columns) * grid.rows, kNoCell);
  long long column = 0, row = 0;
  for (size_t at = 0; at < map.size();) {
    char c = readMapChar(map, at);
    if (c == '\n') {
      ++row;
      column = 0;
      continue;
    }
    if (column < grid.columns && row < grid.rows)
      grid.tile[size_t(row) * grid.columns + column] = tileColumn(static_cast<unsigned char>(c));
    ++column;
  }
  return grid;
}

// Paints the cells one picture row at a time, left to right: the same pixels as
// painting cell by cell (cells never overlap), but in the order memory lies.
// The image's first row is level row `top`. Stops early when the game is asked
// to end, so that it need not wait for the painting.
void paintImage(SDL_Surface* sheet, const TileCovers& covers, int tileY, const CellGrid& grid,
                SDL_Surface* image, int top = 0) {
  if (!sheet || !image) return;
  for (int y = 0; y < image->h && (top + y) / kCellPx < grid.rows && !stopRequested(); ++y) {
    int row = (top + y) / kCellPx, line = (top + y) % kCellPx;
    for (int column = 0; column < grid.columns && column * kCellPx < image->w; ++column) {
      uint8_t tile = grid.at(column, row);
      if (tile == kNoCell) continue;
      SDL_Rect strip = {static_cast<Sint16>(tile * kCellPx), static_cast<Sint16>(tileY + line), kCellPx, 1};
      paintArea(sheet, strip, image, column * kCellPx, y, top + y, covers.line[tile][line]);
    }
  }
}

// Paints the collision tiles over the background one row at a time and marks
// each row in the map, so that no collision picture is ever held (a row is small
// enough to come and go without the heap growing). A blit works row by row, so a
// row gets the pixels it would in a whole picture.
void paintCollision(SDL_Surface* sheet, int tileY, const CellGrid& grid, SDL_Surface* background,
                    CollisionMap& map) {
  map.clear();
  if (!background) return;
  map.reset(background->w, background->h);
  const TileCovers covers(sheet, tileY);
  for (int y = 0; y < background->h && !stopRequested(); ++y) {
    SDL_Surface* row = privateRows(background, y, 1);
    if (!row) return;
    {
      const PixelHold hold(row);
      paintImage(sheet, covers, tileY, grid, row, y);
      map.markRows(row, y);
    }
    freeImage(row);
  }
}
}  // namespace

void Level::load(int n) {
  std::string name = "level" + std::to_string(n) + ".txt";
  std::string map;
  // A missing or irregular file (a FIFO, a device) has no tiles: the level picture
  // stays as it is and the collision is the plain background's. Of a larger map,
  // the first megabyte is painted.
  if (!wasRead(readRegularFile(name.c_str(), kMaxTextFileBytes, map, Oversize::Cut))) map.clear();
  int tileY = n * kCellPx;
  int width = 0, height = 0;
  for (const SDL_Surface* image : {levelImage, background}) {
    if (!image) continue;
    width = std::max(width, image->w);
    height = std::max(height, image->h);
  }
  const CellGrid grid = readMap(map, width, height);
  paintImage(tiles, TileCovers(tiles, tileY), tileY, grid, levelImage);
  paintCollision(collisionTiles, tileY, grid, background, collision);
}
