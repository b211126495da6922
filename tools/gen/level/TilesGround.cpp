// Ground, stone and brick tiles. Every earth tile shares one speckle pattern,
// laid out so it runs on across cell edges: neighbours join without a seam.
#include <cmath>

#include "level/TilePaint.h"

namespace {

constexpr double kCell = 50.0;          // px
constexpr double kGrassDepth = 11.0;    // px of grass or moss on a ground top
constexpr double kSnowDepth = 15.0;     // px of snow on a ground top
constexpr double kRockMossDepth = 7.0;  // px of moss or snow on a rock top
constexpr double kFaceWidth = 7.0;      // px of shaded side face at a block's end
constexpr double kEdgeLine = 2.0;       // px of outline along an open side
constexpr int kSpecks = 9;

void earthTexture(cairo_t* cr, const TileMood& m) {
  fillRect(cr, 0, 0, kCell, kCell, m.earth.base);
  for (int i = 0; i < kSpecks; ++i) {
    double cx = patternNoise(i, 1) * kCell, cy = patternNoise(i, 2) * kCell;
    double r = 1.5 + patternNoise(i, 3) * 2.5;
    addWrappedEllipse(cr, cx, cy, r * 1.4, r);
    setColour(cr, i % 3 == 0 ? m.earth.light : m.earth.shade);
    cairo_fill(cr);
  }
  // A couple of pebbles with a lit top.
  const double pebbles[][2] = {{14, 30}, {39, 44}};
  for (const auto& p : pebbles) {
    addWrappedEllipse(cr, p[0], p[1], 4.5, 3.2);
    setColour(cr, m.earth.shade);
    cairo_fill(cr);
    addWrappedEllipse(cr, p[0] - 0.8, p[1] - 1.0, 3.2, 2.0);
    setColour(cr, m.earth.light);
    cairo_fill(cr);
  }
}

// The grass, moss or snow on top of a walkable tile, with a scalloped lower edge
// whose period divides the cell width so neighbours join.
void surfaceBand(cairo_t* cr, const TileMood& m, double depth) {
  const bool snow = m.style == DecorStyle::Snow;
  const double bump = snow ? 6.0 : 5.0, period = 10.0;
  fillRect(cr, 0, 0, kCell, depth + 2, m.surface.shade);
  for (int i = 0; i < 5; ++i) {
    double cx = period / 2 + period * i, wobble = (i % 2) * 1.5;
    addEllipse(cr, cx, depth + 2 + wobble, bump, bump * 0.8);
  }
  setColour(cr, m.surface.shade);
  cairo_fill(cr);
  fillRect(cr, 0, 0, kCell, depth, m.surface.base);
  for (int i = 0; i < 5; ++i) {
    double cx = period / 2 + period * i, wobble = (i % 2) * 1.5;
    addEllipse(cr, cx, depth + wobble, bump - 0.8, bump * 0.7);
  }
  setColour(cr, m.surface.base);
  cairo_fill(cr);
  fillRect(cr, 0, 0, kCell, 3, m.surface.light);
  // Short light strokes: blades in grass, glints in snow.
  for (int i = 0; i < 5; ++i) {
    double x = 3 + period * i + patternNoise(i, 7) * 4;
    if (snow) {
      addEllipse(cr, x, 6 + patternNoise(i, 8) * 5, 1.2, 1.2);
      setColour(cr, m.surface.light);
      cairo_fill(cr);
    } else {
      cairo_move_to(cr, x, 3);
      cairo_line_to(cr, x + 1.5, depth - 3);
      setColour(cr, m.surface.light);
      cairo_set_line_width(cr, 1.4);
      cairo_stroke(cr);
    }
  }
}

double surfaceDepth(const TileMood& m) { return m.style == DecorStyle::Snow ? kSnowDepth : kGrassDepth; }

// A shaded face and an outline down one open side; `band` px at the top show the
// surface's shade instead of the earth's.
void sideFace(cairo_t* cr, const TileMood& m, bool left, double band) {
  double x = left ? 0 : kCell - kFaceWidth;
  fillRect(cr, x, band, kFaceWidth, kCell - band, m.earth.shade);
  if (band > 0) fillRect(cr, x, 0, kFaceWidth, band + 2, m.surface.shade);
  fillRect(cr, left ? 0 : kCell - kEdgeLine, 0, kEdgeLine, kCell, m.outline);
}

void underside(cairo_t* cr, const TileMood& m) {
  // Roots poking out of the bottom of a floating clod.
  const double roots[] = {9, 27, 41};
  for (double x : roots) {
    cairo_move_to(cr, x, 36);
    cairo_curve_to(cr, x - 3, 40, x + 3, 44, x, 48);
    setColour(cr, m.earth.shade);
    cairo_set_line_width(cr, 2.0);
    cairo_stroke(cr);
  }
  fillRect(cr, 0, kCell - 7, kCell, 7, m.earth.shade);
  fillRect(cr, 0, kCell - kEdgeLine, kCell, kEdgeLine, m.outline);
}

// An irregular stone: seven corners around (cx, cy), pulled in or out a little.
void addStone(cairo_t* cr, double cx, double cy, double rx, double ry, int seed) {
  const int corners = 7;
  for (int i = 0; i < corners; ++i) {
    double a = 2 * M_PI * i / corners + 0.3, pull = 0.82 + 0.3 * patternNoise(seed, i);
    double x = cx + std::cos(a) * rx * pull, y = cy + std::sin(a) * ry * pull;
    if (i == 0) cairo_move_to(cr, x, y);
    else cairo_line_to(cr, x, y);
  }
  cairo_close_path(cr);
}

// Stones set in darker mortar; each stone is also drawn one cell away on every
// side, so the pattern runs on across tile edges.
void stones(cairo_t* cr, const Tones& t) {
  fillRect(cr, 0, 0, kCell, kCell, t.shade);
  const double list[][4] = {{12, 12, 13, 11}, {37, 11, 13, 11}, {0, 36, 13, 12}, {25, 37, 13, 12}};
  for (int pass = 0; pass < 2; ++pass) {
    for (int i = 0; i < 4; ++i) {
      const auto& s = list[i];
      for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
          double cx = s[0] + dx * kCell, cy = s[1] + dy * kCell;
          if (pass == 0) addStone(cr, cx, cy, s[2], s[3], i);
          else addStone(cr, cx - 2.5, cy - 3, s[2] * 0.55, s[3] * 0.4, i + 10);
        }
      setColour(cr, pass == 0 ? t.base : t.light);
      cairo_fill(cr);
    }
  }
}

}  // namespace

void paintEarth(cairo_t* cr, const TileMood& m) { earthTexture(cr, m); }

void paintGroundTop(cairo_t* cr, const TileMood& m) {
  earthTexture(cr, m);
  surfaceBand(cr, m, surfaceDepth(m));
}

void paintGroundLeftEnd(cairo_t* cr, const TileMood& m) {
  paintGroundTop(cr, m);
  sideFace(cr, m, true, surfaceDepth(m));
}

void paintGroundRightEnd(cairo_t* cr, const TileMood& m) {
  paintGroundTop(cr, m);
  sideFace(cr, m, false, surfaceDepth(m));
}

void paintEarthLeftFace(cairo_t* cr, const TileMood& m) {
  earthTexture(cr, m);
  sideFace(cr, m, true, 0);
}

void paintEarthRightFace(cairo_t* cr, const TileMood& m) {
  earthTexture(cr, m);
  sideFace(cr, m, false, 0);
}

void paintEarthUnderside(cairo_t* cr, const TileMood& m) {
  earthTexture(cr, m);
  underside(cr, m);
}

void paintSingleBlock(cairo_t* cr, const TileMood& m) {
  paintGroundTop(cr, m);
  underside(cr, m);
  sideFace(cr, m, true, surfaceDepth(m));
  sideFace(cr, m, false, surfaceDepth(m));
}

void paintRock(cairo_t* cr, const TileMood& m) { stones(cr, m.rock); }

void paintRockTop(cairo_t* cr, const TileMood& m) {
  stones(cr, m.rock);
  surfaceBand(cr, m, kRockMossDepth);
}

void paintBrick(cairo_t* cr, const TileMood& m) {
  const double course = 25.0, joint = 1.5;  // px
  fillRect(cr, 0, 0, kCell, kCell, m.brick.shade);
  for (int row = 0; row < 2; ++row) {
    double y = row * course, offset = row % 2 ? course / 2 : 0;
    for (int k = -1; k < 2; ++k) {
      double x = offset + k * course;
      double w = course - 2 * joint, h = course - 2 * joint;
      fillRect(cr, x + joint, y + joint, w, h, m.brick.base);
      fillRect(cr, x + joint, y + joint, w, 3, m.brick.light);
      fillRect(cr, x + joint, y + joint + h - 3, w, 3, m.brick.shade);
    }
  }
}
