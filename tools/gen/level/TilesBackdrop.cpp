// Backdrops for the rows that hide the daytime sky: a cave wall and a night sky.
// Each is a calm, low-contrast 50 x 50 pattern that repeats without a seam, so
// rows of air cells read as one wall or one sky and sprites stand out over it.
#include "level/TilePaint.h"

namespace {

constexpr double kCell = 50.0;  // px

// Rounded stones of the cave wall: centre x, centre y, radius x, radius y (px).
// Stones that cross the cell edge are repeated on the far side by the wrapping.
const double kStones[][4] = {{12, 12, 15, 10}, {40, 7, 12, 9}, {27, 34, 16, 10}, {2, 40, 8, 8}};

void caveWall(cairo_t* cr, const TileMood& m) {
  fillRect(cr, 0, 0, kCell, kCell, m.backdrop.base);
  // A shadow just below each stone, then the stone face: the light comes from above.
  for (const auto& s : kStones) addWrappedEllipse(cr, s[0], s[1] + 1.5, s[2], s[3]);
  setColour(cr, m.backdrop.shade);
  cairo_fill(cr);
  for (const auto& s : kStones) addWrappedEllipse(cr, s[0], s[1], s[2] - 1.5, s[3] - 1.5);
  setColour(cr, m.backdrop.light);
  cairo_fill(cr);
}

// A few faint stars at uneven places, kept away from the edges so none is cut.
void nightSky(cairo_t* cr, const TileMood& m) {
  fillRect(cr, 0, 0, kCell, kCell, m.backdrop.base);
  const double dots[][4] = {{8, 12, 0.8, 0.5}, {19, 41, 0.7, 0.35}};
  for (const auto& d : dots) {
    addEllipse(cr, d[0], d[1], d[2], d[2]);
    setColour(cr, m.backdrop.light, d[3]);
    cairo_fill(cr);
  }
  cairo_push_group(cr);
  fillSparkle(cr, 37, 26, 2.0, 0.25, m.backdrop.light);
  cairo_pop_group_to_source(cr);
  cairo_paint_with_alpha(cr, 0.7);
}

}  // namespace

void paintBackdrop(cairo_t* cr, const TileMood& m) {
  if (!m.hidesSky) return;
  if (m.style == DecorStyle::Cave)
    caveWall(cr, m);
  else
    nightSky(cr, m);
}
