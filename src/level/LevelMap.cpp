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

// Blits one tile cell of `sheet` onto `image` at map cell (column, row), blended by
// the sheet's alpha; SDL cuts cells at the picture edge and at the sheet's width.
void paintCell(SDL_Surface* sheet, SDL_Surface* image, int tileX, int tileY, long long column,
               long long row, Cover cover) {
  if (!sheet || !image) return;
  long long cellX = column * kCellPx;
  long long cellY = row * kCellPx;
  // A cell beyond the picture is skipped before its position is narrowed to 16 bits,
  // so a very wide or long map can never wrap around onto the picture.
  if (cellX >= image->w || cellY >= image->h || cellX > kMaxRectPos || cellY > kMaxRectPos) return;
  SDL_Rect src = {static_cast<Sint16>(tileX), static_cast<Sint16>(tileY), kCellPx, kCellPx};
  // A clear tile changes nothing and an opaque one blends to a copy.
  if (cover == Cover::Clear) return;
  if (cover == Cover::Opaque && copyOpaqueCell(sheet, src, image, int(cellX), int(cellY))) return;
  SDL_Rect dst = {static_cast<Sint16>(cellX), static_cast<Sint16>(cellY), 0, 0};
  SDL_BlitSurface(sheet, &src, image, &dst);
}

// How alpha covers each tile of a sheet's row, worked out once per load.
struct RowCovers {
  Cover cell[kOtherTileColumn + 1];
  RowCovers(SDL_Surface* sheet, int tileY) {
    for (int k = 0; k <= kOtherTileColumn; ++k) {
      SDL_Rect area = {static_cast<Sint16>(k * kCellPx), static_cast<Sint16>(tileY), kCellPx, kCellPx};
      bool inside = sheet && (k + 1) * kCellPx <= sheet->w && tileY + kCellPx <= sheet->h;
      cell[k] = inside ? alphaCoverOf(sheet, area) : Cover::Mixed;
    }
  }
};
}  // namespace

void Level::load(int n) {
  std::string name = "level" + std::to_string(n) + ".txt";
  std::FILE* file = std::fopen(name.c_str(), "r");
  if (!file) return;  // no tiles: both pictures stay the plain background
  int tileY = n * kCellPx;
  RowCovers visible(tiles, tileY), collision(collisionTiles, tileY);
  long long column = 0;
  long long row = 0;
  for (int c = readMapChar(file); c != EOF; c = readMapChar(file)) {
    if (c == '\n') {
      ++row;
      column = 0;
      continue;
    }
    int tile = tileColumn(c);
    paintCell(tiles, levelImage, tile * kCellPx, tileY, column, row, visible.cell[tile]);
    paintCell(collisionTiles, collisionImage, tile * kCellPx, tileY, column, row, collision.cell[tile]);
    ++column;
  }
  std::fclose(file);
}
