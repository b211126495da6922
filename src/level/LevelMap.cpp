// The map loader: one character per 50 x 50 cell, one line per row of cells.
#include <cstdio>
#include <string>

#include "level/FastBlit.h"
#include "level/Level.h"

namespace {
const int kCellPx = 50;               // px, both ways, in the sheets and the level pictures
const int kOtherTileColumn = 25;      // every character but 'a' … 'y' and the line feed
const long long kMaxRectPos = 32767;  // px; blit positions are signed 16-bit

int tileColumn(int c) { return (c >= 'a' && c <= 'y') ? c - 'a' : kOtherTileColumn; }

// The next map character. A carriage return directly before a line feed belongs to
// the line end (maps saved with Windows line ends); a lone carriage return is a cell.
int readMapChar(std::FILE* file) {
  int c = std::fgetc(file);
  if (c != '\r') return c;
  int next = std::fgetc(file);
  if (next == '\n') return '\n';
  if (next != EOF) std::ungetc(next, file);
  return '\r';
}

// How alpha covers each tile of a sheet's row, and each pixel row of those
// tiles, worked out once per load. Tiles that do not lie wholly inside the
// sheet are left to SDL, which cuts them.
struct TileCovers {
  Cover cell[kOtherTileColumn + 1];
  Cover line[kOtherTileColumn + 1][kCellPx];
  TileCovers(SDL_Surface* sheet, int tileY) {
    for (int k = 0; k <= kOtherTileColumn; ++k) {
      bool inside = sheet && (k + 1) * kCellPx <= sheet->w && tileY >= 0 && tileY + kCellPx <= sheet->h;
      SDL_Rect area = {static_cast<Sint16>(k * kCellPx), static_cast<Sint16>(tileY), kCellPx, kCellPx};
      cell[k] = inside ? alphaCoverOf(sheet, area) : Cover::Mixed;
      for (int r = 0; r < kCellPx; ++r) {
        SDL_Rect strip = {area.x, static_cast<Sint16>(tileY + r), kCellPx, 1};
        line[k][r] = inside ? alphaCoverOf(sheet, strip) : Cover::Mixed;
      }
    }
  }
};

// Paints `area` of the sheet at (x, y) as an alpha blit would: nothing for a
// clear area, a copy for an opaque one, SDL's blend for the rest.
void paintArea(SDL_Surface* sheet, SDL_Rect area, SDL_Surface* image, int x, int y, Cover cover) {
  if (cover == Cover::Clear) return;
  if (cover == Cover::Opaque && copyOpaqueCell(sheet, area, image, x, y)) return;
  SDL_Rect dst = {static_cast<Sint16>(x), static_cast<Sint16>(y), 0, 0};
  SDL_BlitSurface(sheet, &area, image, &dst);
}

// Paints tile `tile` of `sheet` onto `image` at map cell (column, row), blended
// by the sheet's alpha, one pixel row at a time where the tile is partly clear.
void paintCell(SDL_Surface* sheet, SDL_Surface* image, const TileCovers& covers, int tile, int tileY,
               long long column, long long row) {
  if (!sheet || !image) return;
  long long cellX = column * kCellPx;
  long long cellY = row * kCellPx;
  // A cell beyond the picture is skipped before its position is narrowed to 16 bits,
  // so a very wide or long map can never wrap around onto the picture.
  if (cellX >= image->w || cellY >= image->h || cellX > kMaxRectPos || cellY > kMaxRectPos) return;
  SDL_Rect area = {static_cast<Sint16>(tile * kCellPx), static_cast<Sint16>(tileY), kCellPx, kCellPx};
  Cover cover = covers.cell[tile];
  bool whole = cover != Cover::Mixed || covers.line[tile][0] == Cover::Mixed;  // no rows worked out
  if (whole) {
    paintArea(sheet, area, image, int(cellX), int(cellY), cover);
    return;
  }
  for (int r = 0; r < kCellPx && cellY + r < image->h; ++r) {
    SDL_Rect strip = {area.x, static_cast<Sint16>(tileY + r), kCellPx, 1};
    paintArea(sheet, strip, image, int(cellX), int(cellY + r), covers.line[tile][r]);
  }
}
}  // namespace

void Level::load(int n) {
  std::string name = "level" + std::to_string(n) + ".txt";
  std::FILE* file = std::fopen(name.c_str(), "r");
  if (!file) return;  // no tiles: both pictures stay the plain background
  int tileY = n * kCellPx;
  const TileCovers visible(tiles, tileY), collision(collisionTiles, tileY);
  long long column = 0;
  long long row = 0;
  for (int c = readMapChar(file); c != EOF; c = readMapChar(file)) {
    if (c == '\n') {
      ++row;
      column = 0;
      continue;
    }
    int tile = tileColumn(c);
    paintCell(tiles, levelImage, visible, tile, tileY, column, row);
    paintCell(collisionTiles, collisionImage, collision, tile, tileY, column, row);
    ++column;
  }
  std::fclose(file);
}
