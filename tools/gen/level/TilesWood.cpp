// Wooden and leafy tiles: decks, crates, trunks, canopies and the low plank.
#include <cmath>

#include "level/TileLegend.h"
#include "level/TilePaint.h"

namespace {

constexpr double kCell = 50.0;      // px
constexpr double kPostWidth = 9.0;  // px of the post at a deck's end
constexpr double kEdgeLine = 2.0;   // px

// Three boards laid one above the other, with gaps and nails.
void boards(cairo_t* cr, const TileMood& m) {
  fillRect(cr, 0, 0, kCell, kCell, m.wood.shade);
  const double tops[] = {0, 17, 34}, height = 15.5;
  for (int i = 0; i < 3; ++i) {
    double y = tops[i];
    fillRect(cr, 0, y, kCell, height, m.wood.base);
    fillRect(cr, 0, y, kCell, 2.5, m.wood.light);
    // Grain: a long thin line, placed differently on each board.
    double gy = y + 6 + i * 2.5;
    cairo_move_to(cr, 0, gy);
    cairo_curve_to(cr, 15, gy - 1.5, 35, gy + 1.5, kCell, gy);
    setColour(cr, m.wood.shade);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
    for (double nx : {7.0, 43.0}) {
      addEllipse(cr, nx, y + height - 4, 1.3, 1.3);
      setColour(cr, m.outline);
      cairo_fill(cr);
    }
  }
}

void post(cairo_t* cr, const TileMood& m, bool left) {
  double x = left ? 0 : kCell - kPostWidth;
  fillRect(cr, x, 0, kPostWidth, kCell, m.bark.base);
  fillRect(cr, x + (left ? kEdgeLine : 0), 0, 2.5, kCell, m.bark.light);
  fillRect(cr, left ? 0 : kCell - kEdgeLine, 0, kEdgeLine, kCell, m.outline);
  fillRect(cr, x, 0, kPostWidth, 3, m.bark.light);
}

void snowCap(cairo_t* cr, const TileMood& m, double thickness) {
  if (m.style != DecorStyle::Snow) return;
  fillRect(cr, 0, 0, kCell, thickness, m.surface.base);
  fillRect(cr, 0, 0, kCell, 2, m.surface.light);
  for (int i = 0; i < 5; ++i) addEllipse(cr, 5 + 10 * i, thickness, 4.5, 2.5 + (i % 2));
  setColour(cr, m.surface.base);
  cairo_fill(cr);
}

}  // namespace

void paintDeckMiddle(cairo_t* cr, const TileMood& m) {
  boards(cr, m);
  snowCap(cr, m, 5);
}

void paintDeckLeftEnd(cairo_t* cr, const TileMood& m) {
  boards(cr, m);
  post(cr, m, true);
  snowCap(cr, m, 5);
}

void paintDeckRightEnd(cairo_t* cr, const TileMood& m) {
  boards(cr, m);
  post(cr, m, false);
  snowCap(cr, m, 5);
}

void paintCrate(cairo_t* cr, const TileMood& m) {
  const double frame = 6.0;  // px
  fillRect(cr, 0, 0, kCell, kCell, m.wood.base);
  for (int i = 1; i < 3; ++i) fillRect(cr, frame, frame + i * 12.5 - 1, kCell - 2 * frame, 1.5, m.wood.shade);
  cairo_move_to(cr, frame, kCell - frame);
  cairo_line_to(cr, kCell - frame, frame);
  setColour(cr, m.wood.shade);
  cairo_set_line_width(cr, 7.0);
  cairo_stroke(cr);
  cairo_move_to(cr, frame, kCell - frame);
  cairo_line_to(cr, kCell - frame, frame);
  setColour(cr, m.wood.light);
  cairo_set_line_width(cr, 4.0);
  cairo_stroke(cr);
  // The frame: light on the top and left, shade on the bottom and right.
  fillRect(cr, 0, 0, kCell, frame, m.wood.light);
  fillRect(cr, 0, 0, frame, kCell, m.wood.light);
  fillRect(cr, 0, kCell - frame, kCell, frame, m.wood.shade);
  fillRect(cr, kCell - frame, 0, frame, kCell, m.wood.shade);
  cairo_rectangle(cr, 1, 1, kCell - 2, kCell - 2);
  setColour(cr, m.outline);
  cairo_set_line_width(cr, kEdgeLine);
  cairo_stroke(cr);
  snowCap(cr, m, 6);
}

void paintTrunk(cairo_t* cr, const TileMood& m) {
  fillRect(cr, 0, 0, kCell, kCell, m.bark.base);
  fillRect(cr, 0, 0, 12, kCell, m.bark.light);
  fillRect(cr, 38, 0, 12, kCell, m.bark.shade);
  // Grooves wave with a period of one cell, so stacked trunk tiles join.
  const double grooves[] = {8, 19, 29, 41};
  for (int i = 0; i < 4; ++i) {
    double x = grooves[i];
    cairo_move_to(cr, x, 0);
    for (int y = 0; y <= 50; y += 5)
      cairo_line_to(cr, x + 1.8 * std::sin((y / kCell + i * 0.3) * 2 * M_PI), y);
    setColour(cr, m.bark.shade);
    cairo_set_line_width(cr, 2.2);
    cairo_stroke(cr);
  }
  fillRect(cr, 0, 0, kEdgeLine, kCell, m.outline);
  fillRect(cr, kCell - kEdgeLine, 0, kEdgeLine, kCell, m.outline);
}

void paintCanopy(cairo_t* cr, const TileMood& m) {
  fillRect(cr, 0, 0, kCell, kCell, m.leaf.shade);
  const double clumps[][3] = {{10, 10, 12}, {35, 7, 12}, {22, 28, 13},
                              {47, 30, 11}, {8, 43, 11}, {33, 47, 12}};
  for (const auto& c : clumps) {
    addWrappedEllipse(cr, c[0], c[1], c[2], c[2] * 0.85);
    setColour(cr, m.leaf.base);
    cairo_fill(cr);
  }
  for (const auto& c : clumps) {
    addWrappedEllipse(cr, c[0] - 3, c[1] - 4, c[2] * 0.45, c[2] * 0.3);
    setColour(cr, m.leaf.light);
    cairo_fill(cr);
  }
  if (m.style == DecorStyle::Snow) {
    for (const auto& c : clumps) {
      addWrappedEllipse(cr, c[0], c[1] - c[2] * 0.55, c[2] * 0.7, c[2] * 0.28);
      setColour(cr, m.surface.base);
      cairo_fill(cr);
    }
  }
}

void paintLowPlank(cairo_t* cr, const TileMood& m) {
  const double top = tile::kLowPlankTop, height = kCell - top;
  fillRect(cr, 0, top, kCell, height, m.wood.base);
  fillRect(cr, 0, top, kCell, 3, m.wood.light);
  fillRect(cr, 0, kCell - 5, kCell, 5, m.wood.shade);
  fillRect(cr, 0, kCell - 1, kCell, 1, m.outline);
  fillRect(cr, 24, top + 3, 1.5, height - 8, m.wood.shade);  // the joint between two planks
  // Rope lashings.
  for (double x : {10.0, 40.0}) {
    fillRect(cr, x - 2, top, 4, height - 1, m.bark.light);
    fillRect(cr, x - 2, top + 6, 4, 1.2, m.bark.shade);
    fillRect(cr, x - 2, top + 12, 4, 1.2, m.bark.shade);
  }
  if (m.style == DecorStyle::Snow) fillRect(cr, 0, top, kCell, 4, m.surface.base);
}
