#pragma once
#include <SDL/SDL.h>

#include <cstdint>
#include <string>
#include <vector>

#include "level/CollisionMap.h"
#include "platform/FastBlit.h"
#include "platform/Layout.h"

// A level's painting under way: the map read once, then painted a few pixel rows
// at a time, the visible tiles into the level picture and the collision tiles
// over the background into the collision map. The browser has one thread, so
// there each pass paints a slice; the desktop's painter paints every row at once.
class LevelPainting {
 public:
  // `map` is the level's text map; n picks row n of both sheets. With `under`,
  // each row of the image is first that row of `under` (a blank image becomes a
  // copy a slice at a time); without, the tiles go over the image as it is.
  LevelPainting(const std::string& map, int n, SDL_Surface* tiles, SDL_Surface* collisionTiles,
                SDL_Surface* background, SDL_Surface* image, CollisionMap& collision,
                const SDL_Surface* under = nullptr);
  LevelPainting(const LevelPainting&) = delete;
  LevelPainting& operator=(const LevelPainting&) = delete;

  // Paints the next `rows` pixel rows; true once every row is painted (or the
  // game is asked to end, which need not wait for the painting).
  bool paintRows(int rows);
  // Pixel rows painted so far, from the top.

  // The tile of every map cell that lies at least partly inside the pictures;
  // the map itself is not kept once it is read.
  struct CellGrid {
    int columns = 0, rows = 0;
    std::vector<uint8_t> tile;
    uint8_t at(int column, int row) const { return tile[size_t(row) * columns + column]; }
  };
  // How alpha covers each pixel row of each tile of a sheet's row, worked out
  // once per level. Tiles that do not lie wholly inside the sheet are left to SDL.
  struct TileCovers {
    Cover line[tile::kAir + 1][tile::kSize];
    TileCovers(SDL_Surface* sheet, int tileY);
  };

 private:
  void paintPictureRow(int y);
  void paintCollisionRow(int y);

  SDL_Surface *tiles, *collisionTiles, *background, *image;
  const SDL_Surface* under;
  CollisionMap& collision;
  const int tileY;  // px, the sheets' row for this level
  const CellGrid grid;
  const TileCovers tileCovers, collisionCovers;
  int nextRow = 0, lastRow = 0;  // pixel rows: the next to paint, and one past the last
};
