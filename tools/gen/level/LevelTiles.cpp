// The two tile sheets: what the level shows, and what the hero collides with.
// In the collision sheet dark means solid and white means free; the game tests
// the collision pixels only, so the two sheets must agree cell for cell.
#include "level/LevelTiles.h"

#include "kit/PngWriter.h"
#include "level/TileLegend.h"
#include "level/TilePaint.h"

namespace {

using Painter = void (*)(cairo_t*, const TileMood&);

// In column order; air (the last column) has no painter of its own.
const Painter kPainters[tile::kAir] = {
    paintGroundTop,      paintEarth,          paintGroundLeftEnd, paintGroundRightEnd, paintEarthLeftFace,
    paintEarthRightFace, paintEarthUnderside, paintRock,          paintRockTop,        paintBrick,
    paintDeckLeftEnd,    paintDeckMiddle,     paintDeckRightEnd,  paintCrate,          paintTrunk,
    paintCanopy,         paintSingleBlock,    paintLowPlank,      paintGrassTuft,      paintFlowers,
    paintMushrooms,      paintBush,           paintVines,         paintSignpost,       paintLantern,
};

const Rgb kSolid = {0, 0, 0};
const Rgb kFree = {1, 1, 1};

void paintCell(cairo_t* cr, int column, int level) {
  cairo_save(cr);
  cairo_translate(cr, column * tile::kSize, level * tile::kSize);
  cairo_rectangle(cr, 0, 0, tile::kSize, tile::kSize);
  cairo_clip(cr);
  // Under every tile, so the sky cannot show through a decoration or a plank.
  paintBackdrop(cr, tileMood(level));
  if (column != tile::kAir) kPainters[column](cr, tileMood(level));
  cairo_restore(cr);
}

// White everywhere, then dark where the cell is solid.
void paintCollisionCell(cairo_t* cr, int column, int level) {
  double x = column * tile::kSize, y = level * tile::kSize;
  fillRect(cr, x, y, tile::kSize, tile::kSize, kFree);
  if (tile::isSolid(column)) fillRect(cr, x, y, tile::kSize, tile::kSize, kSolid);
  if (column == tile::kLowPlank)
    fillRect(cr, x, y + tile::kLowPlankTop, tile::kSize, tile::kSize - tile::kLowPlankTop, kSolid);
}

}  // namespace

void paintTileSheets(const std::string& gameDir) {
  const int width = tile::kSheetWidth, height = tile::kSheetHeight;
  cairo_surface_t* shown = newCanvas(width, height);
  cairo_surface_t* collision = newCanvas(width, height);
  cairo_t* cs = cairo_create(shown);
  cairo_t* cc = cairo_create(collision);
  cairo_set_antialias(cc, CAIRO_ANTIALIAS_NONE);
  for (int level = 0; level < tile::kRows; ++level) {
    for (int column = 0; column < tile::kColumns; ++column) {
      paintCell(cs, column, level);
      paintCollisionCell(cc, column, level);
    }
  }
  cairo_destroy(cs);
  cairo_destroy(cc);
  writeRgbaPng(shown, gameDir + "/pics/tiles.png");
  writeRgbaPng(collision, gameDir + "/pics/tiles-collision.png");
  cairo_surface_destroy(shown);
  cairo_surface_destroy(collision);
}
