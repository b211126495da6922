// The map painter: one character per 50 x 50 cell, one line per row of cells.
#include "level/LevelPainting.h"

#include <algorithm>

#include "platform/Blit.h"
#include "platform/Image.h"
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

// Paints `area` of the sheet at (x, y) as an alpha blit would: nothing for a
// clear area, a copy for an opaque one, SDL's blend for the rest. `levelY` is the
// level row that y shows: no blend reaches below the rows a whole level picture
// can blit to, even when the image is one row of it.
void paintArea(SDL_Surface* sheet, SDL_Rect area, SDL_Surface* image, int x, int y, int levelY, Cover cover) {
  if (cover == Cover::Clear) return;
  if (cover == Cover::Opaque && copyOpaqueArea(sheet, area, image, x, y)) return;
  if (x > kMaxRectPos || levelY > kMaxRectPos) return;  // blit positions are 16-bit
  SDL_Rect dst = {static_cast<Sint16>(x), static_cast<Sint16>(y), 0, 0};
  blit(sheet, &area, image, &dst);
}

const uint8_t kNoCell = 255;
using CellGrid = LevelPainting::CellGrid;
using TileCovers = LevelPainting::TileCovers;

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

// Paints the cells of one picture row, left to right: the same pixels as painting
// cell by cell (cells never overlap), but in the order memory lies. The image's
// row y is level row `top` + y.
void paintImageRow(SDL_Surface* sheet, const TileCovers& covers, int tileY, const CellGrid& grid,
                   SDL_Surface* image, int y, int top = 0) {
  if (!sheet || !image || y >= image->h || (top + y) / kCellPx >= grid.rows) return;
  int row = (top + y) / kCellPx, line = (top + y) % kCellPx;
  for (int column = 0; column < grid.columns && column * kCellPx < image->w; ++column) {
    uint8_t tile = grid.at(column, row);
    if (tile == kNoCell) continue;
    SDL_Rect strip = {static_cast<Sint16>(tile * kCellPx), static_cast<Sint16>(tileY + line), kCellPx, 1};
    paintArea(sheet, strip, image, column * kCellPx, y, top + y, covers.line[tile][line]);
  }
}

int tallest(const SDL_Surface* a, const SDL_Surface* b) { return std::max(a ? a->h : 0, b ? b->h : 0); }
int widest(const SDL_Surface* a, const SDL_Surface* b) { return std::max(a ? a->w : 0, b ? b->w : 0); }
}  // namespace

LevelPainting::TileCovers::TileCovers(SDL_Surface* sheet, int tileY) {
  for (int k = 0; k <= kOtherTileColumn; ++k) {
    bool inside = sheet && (k + 1) * kCellPx <= sheet->w && tileY >= 0 && tileY + kCellPx <= sheet->h;
    for (int r = 0; r < kCellPx; ++r) {
      SDL_Rect strip = {static_cast<Sint16>(k * kCellPx), static_cast<Sint16>(tileY + r), kCellPx, 1};
      line[k][r] = inside ? alphaCoverOf(sheet, strip) : Cover::Mixed;
    }
  }
}

LevelPainting::LevelPainting(const std::string& map, int n, SDL_Surface* tiles, SDL_Surface* collisionTiles,
                             SDL_Surface* background, SDL_Surface* image, CollisionMap& collision,
                             const SDL_Surface* under)
    : tiles(tiles),
      collisionTiles(collisionTiles),
      background(background),
      image(image),
      under(under),
      collision(collision),
      tileY(n * kCellPx),
      grid(readMap(map, widest(image, background), tallest(image, background))),
      tileCovers(tiles, tileY),
      collisionCovers(collisionTiles, tileY),
      lastRow(tallest(image, background)) {
  collision.clear();
  if (background) collision.reset(background->w, background->h);
}

bool LevelPainting::paintRows(int rows) {
  for (; rows > 0 && nextRow < lastRow; --rows, ++nextRow) {
    if (stopRequested()) return true;
    paintPictureRow(nextRow);
    paintCollisionRow(nextRow);
  }
  return nextRow >= lastRow;
}

void LevelPainting::paintPictureRow(int y) {
  if (under && image && y < image->h && y < under->h) copyRows(under, image, y, 1);
  paintImageRow(tiles, tileCovers, tileY, grid, image, y);
}

// Paints the collision tiles over one row of the background and marks the row in
// the map, so that no collision picture is ever held (a row is small enough to
// come and go without the heap growing). A blit works row by row, so a row gets
// the pixels it would in a whole picture.
void LevelPainting::paintCollisionRow(int y) {
  if (!background || y >= background->h) return;
  SDL_Surface* row = privateRows(background, y, 1);
  if (!row) return;
  paintImageRow(collisionTiles, collisionCovers, tileY, grid, row, 0, y);
  collision.markRows(row, y);
  freeImage(row);
}
