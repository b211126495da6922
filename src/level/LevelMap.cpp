// The map loader: one character per 50 x 50 cell, one line per row of cells.
#include <cstdio>
#include <string>

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
               long long row) {
  if (!sheet || !image) return;
  long long cellX = column * kCellPx;
  long long cellY = row * kCellPx;
  // A cell beyond the picture is skipped before its position is narrowed to 16 bits,
  // so a very wide or long map can never wrap around onto the picture.
  if (cellX >= image->w || cellY >= image->h || cellX > kMaxRectPos || cellY > kMaxRectPos) return;
  SDL_Rect src = {static_cast<Sint16>(tileX), static_cast<Sint16>(tileY), kCellPx, kCellPx};
  SDL_Rect dst = {static_cast<Sint16>(cellX), static_cast<Sint16>(cellY), 0, 0};
  SDL_BlitSurface(sheet, &src, image, &dst);
}
}  // namespace

void Level::load(int n) {
  std::string name = "level" + std::to_string(n) + ".txt";
  std::FILE* file = std::fopen(name.c_str(), "r");
  if (!file) return;  // no tiles: both pictures stay the plain background
  int tileY = n * kCellPx;
  long long column = 0;
  long long row = 0;
  for (int c = readMapChar(file); c != EOF; c = readMapChar(file)) {
    if (c == '\n') {
      ++row;
      column = 0;
      continue;
    }
    int tileX = tileColumn(c) * kCellPx;
    paintCell(tiles, levelImage, tileX, tileY, column, row);
    paintCell(collisionTiles, collisionImage, tileX, tileY, column, row);
    ++column;
  }
  std::fclose(file);
}
