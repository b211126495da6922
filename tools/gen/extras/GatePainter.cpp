// The level exit: a carved wooden gate under a glowing arch. The two frames alternate
// quickly, so the bright and dim versions make the light pulse.
#include <cmath>

#include "extras/ExtrasPainter.h"
#include "kit/SpriteKit.h"

namespace extras {

using namespace kit;

namespace {

const Tones kPost{hex("#7a5538"), hex("#4a3326"), hex("#a47650")};
const Tones kArchWood{hex("#8a5f3c"), hex("#54392a"), hex("#b58758")};
const Tones kStone{hex("#8a8f91"), hex("#5e6366"), hex("#b4b9ba")};
const Tones kIvy{hex("#4f8a3c"), hex("#2f5d34"), hex("#8cc063")};
const Tones kGem{hex("#7fe0a0"), hex("#3a9c62"), hex("#d8ffe6")};

// The light inside the arch and the halo round it, bright and dim.
struct Glow {
  Rgb core, edge, halo, rune;
  double haloWidth;  // px beyond the arch
};
const Glow kBright{hex("#fffbe0"), hex("#ffc94d"), hex("#fff0a0"), hex("#fff6c0"), 4.0};
const Glow kDim{hex("#ffe9a3"), hex("#e8a33d"), hex("#f3c460"), hex("#ffd36b"), 2.0};

constexpr double kCentreX = kGateWidth / 2.0;       // px
constexpr double kBase = kGatePaintedRows;          // px, the floor line under the gate
constexpr double kSpringY = 58;                     // px, where the arch meets the posts
constexpr double kArchOuter = 56, kArchInner = 40;  // px radii
constexpr double kPostWidth = 16;
constexpr double kInnerLeft = kCentreX - kArchInner, kInnerRight = kCentreX + kArchInner;

void archBand(cairo_t* c, double outer, double inner) {
  cairo_new_sub_path(c);
  cairo_arc(c, kCentreX, kSpringY, outer, M_PI, 2 * M_PI);
  cairo_arc_negative(c, kCentreX, kSpringY, inner, 2 * M_PI, M_PI);
  cairo_close_path(c);
}

// The doorway's opening: a rectangle under a half circle.
void opening(cairo_t* c) {
  cairo_new_sub_path(c);
  cairo_arc(c, kCentreX, kSpringY, kArchInner, M_PI, 2 * M_PI);
  cairo_line_to(c, kInnerRight, kBase);
  cairo_line_to(c, kInnerLeft, kBase);
  cairo_close_path(c);
}

void light(cairo_t* cr, const Glow& g) {
  cairo_pattern_t* p = cairo_pattern_create_radial(kCentreX, 80, 6, kCentreX, 80, 62);
  cairo_pattern_add_color_stop_rgb(p, 0, g.core.r, g.core.g, g.core.b);
  cairo_pattern_add_color_stop_rgb(p, 1, g.edge.r, g.edge.g, g.edge.b);
  opening(cr);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  // A path of light leading into the glow.
  setColour(cr, g.core);
  cairo_move_to(cr, kCentreX - 9, 96);
  cairo_line_to(cr, kCentreX + 9, 96);
  cairo_line_to(cr, kCentreX + 26, kBase);
  cairo_line_to(cr, kCentreX - 26, kBase);
  cairo_close_path(cr);
  cairo_fill(cr);
}

void sparkle(cairo_t* cr, double x, double y, double r, Rgb colour) {
  fillSparkle(cr, x, y, r, 0.28, colour);
}

// A door leaf swung open against the post, seen almost edge-on: planks and two iron bands.
void doorLeaf(cairo_t* cr, double hingeX, int side) {
  constexpr double kTop = kSpringY + 4, kBottom = kBase - 2;  // px, at the hinge
  constexpr double kWidth = 13, kSkew = 7;                    // px across, px the far edge shrinks by
  double farX = hingeX + side * kWidth;
  auto leaf = [=](cairo_t* c) {
    cairo_new_sub_path(c);
    cairo_move_to(c, hingeX, kTop);
    cairo_line_to(c, farX, kTop + kSkew);
    cairo_line_to(c, farX, kBottom - kSkew);
    cairo_line_to(c, hingeX, kBottom);
    cairo_close_path(c);
  };
  shadedShape(cr, leaf, kArchWood, kWoodOutline, 1.0, 1.4);
  cairo_save(cr);
  leaf(cr);
  cairo_clip(cr);
  setColour(cr, kArchWood.shade);
  cairo_set_line_width(cr, 0.9);
  for (double t : {0.33, 0.66}) {
    cairo_move_to(cr, hingeX + side * kWidth * t, kTop);
    cairo_line_to(cr, hingeX + side * kWidth * t, kBottom);
  }
  cairo_stroke(cr);
  setColour(cr, hex("#4b4f5c"));
  cairo_set_line_width(cr, 2.4);
  for (double y : {kTop + 14, kBottom - 16}) {
    double dy = kSkew * (y - kTop) / (kBottom - kTop);
    cairo_move_to(cr, hingeX, y);
    cairo_line_to(cr, farX, y + kSkew - 2 * dy);
  }
  cairo_stroke(cr);
  cairo_restore(cr);
}

void post(cairo_t* cr, double left) {
  shadedShape(
      cr, [=](cairo_t* c) { cairo_rectangle(c, left, kSpringY - 2, kPostWidth, kBase - kSpringY - 8); },
      kPost, kWoodOutline, 1.2, 2.0);
  // Carving: a grain line and a stack of leaf shapes cut into the post.
  setColour(cr, kPost.shade);
  cairo_set_line_width(cr, 1.0);
  for (double y = kSpringY + 8; y < kBase - 20; y += 13) {
    double x = left + kPostWidth / 2;
    cairo_move_to(cr, x, y);
    cairo_curve_to(cr, x + 4.5, y + 3, x + 4.5, y + 7, x, y + 10);
    cairo_curve_to(cr, x - 4.5, y + 7, x - 4.5, y + 3, x, y);
    cairo_move_to(cr, x, y + 1.5);
    cairo_line_to(cr, x, y + 8.5);
  }
  cairo_stroke(cr);
  // A stone footing.
  shadedShape(
      cr, [=](cairo_t* c) { roundedRect(c, left - 3, kBase - 12, kPostWidth + 6, 12, 2); }, kStone,
      kWoodOutline, 1.0, 1.6);
  // A capital where the arch rests.
  shadedShape(
      cr, [=](cairo_t* c) { roundedRect(c, left - 2.5, kSpringY - 2, kPostWidth + 5, 6, 2); }, kArchWood,
      kWoodOutline, 0.8, 1.2);
}

void arch(cairo_t* cr, const Glow& g) {
  shadedShape(
      cr, [](cairo_t* c) { archBand(c, kArchOuter, kArchInner); }, kArchWood, kWoodOutline, 1.2, 2.0);
  // Joints between the carved blocks, and a glowing rune in each block.
  setColour(cr, kWoodOutline);
  cairo_set_line_width(cr, 1.0);
  constexpr int kBlocks = 7;
  for (int i = 1; i < kBlocks; ++i) {
    double a = M_PI + M_PI * i / kBlocks;
    cairo_move_to(cr, kCentreX + std::cos(a) * kArchInner, kSpringY + std::sin(a) * kArchInner);
    cairo_line_to(cr, kCentreX + std::cos(a) * kArchOuter, kSpringY + std::sin(a) * kArchOuter);
  }
  cairo_stroke(cr);
  double mid = (kArchInner + kArchOuter) / 2;
  for (int i = 0; i < kBlocks; ++i) {
    if (i == kBlocks / 2) continue;  // the keystone carries the gem instead
    double a = M_PI + M_PI * (i + 0.5) / kBlocks;
    sparkle(cr, kCentreX + std::cos(a) * mid, kSpringY + std::sin(a) * mid, 3.2, g.rune);
  }
  // The keystone with a green gem.
  shadedShape(
      cr,
      [](cairo_t* c) {
        cairo_new_sub_path(c);
        cairo_move_to(c, kCentreX - 8, kSpringY - kArchOuter - 3);
        cairo_line_to(c, kCentreX + 8, kSpringY - kArchOuter - 3);
        cairo_line_to(c, kCentreX + 6, kSpringY - kArchInner + 2);
        cairo_line_to(c, kCentreX - 6, kSpringY - kArchInner + 2);
        cairo_close_path(c);
      },
      kPost, kWoodOutline, 1.0, 1.4);
  shadedShape(
      cr, [](cairo_t* c) { ellipsePath(c, kCentreX, kSpringY - (kArchOuter + kArchInner) / 2, 3.6, 4.4); },
      kGem, kWoodOutline, 0.8, 1.0);
}

void ivy(cairo_t* cr) {
  const double leaves[][3] = {{14, 112, -0.6}, {24, 102, 0.5},  {15, 90, -0.4},  {23, 78, 0.6},
                              {18, 66, -0.3},  {112, 108, 0.6}, {120, 96, -0.5}, {113, 84, 0.4},
                              {30, 40, -0.9},  {40, 27, -0.6}};
  setColour(cr, kIvy.shade);
  cairo_set_line_width(cr, 1.2);
  cairo_move_to(cr, 18, kBase - 12);
  cairo_curve_to(cr, 26, 100, 12, 80, 22, 62);
  cairo_curve_to(cr, 26, 52, 32, 40, 42, 26);
  cairo_move_to(cr, 116, kBase - 12);
  cairo_curve_to(cr, 110, 104, 122, 94, 114, 82);
  cairo_stroke(cr);
  for (const auto& l : leaves) {
    shadedShape(
        cr, [&](cairo_t* c) { ellipsePath(c, l[0], l[1], 4.0, 2.6, l[2]); }, kIvy, kWoodOutline, 0.6, 0.8);
  }
}

}  // namespace

void paintGate(cairo_t* cr, bool bright) {
  const Glow& g = bright ? kBright : kDim;
  // The halo round the arch goes first, so the outline sits outside it.
  setColour(cr, g.halo);
  archBand(cr, kArchOuter + g.haloWidth, kArchInner);
  cairo_fill(cr);
  light(cr, g);
  // Motes of light drift in the doorway; they sit elsewhere in the other frame.
  const double motes[2][4][3] = {{{52, 60, 2.6}, {84, 48, 3.2}, {74, 82, 2.2}, {58, 104, 2.0}},
                                 {{60, 52, 2.0}, {80, 66, 2.6}, {50, 88, 3.0}, {86, 100, 2.2}}};
  for (const auto& m : motes[bright ? 0 : 1]) sparkle(cr, m[0], m[1], m[2], hex("#ffffff"));
  doorLeaf(cr, kInnerLeft, 1);
  doorLeaf(cr, kInnerRight, -1);
  post(cr, kInnerLeft - kPostWidth);
  post(cr, kInnerRight);
  arch(cr, g);
  ivy(cr);
}

}  // namespace extras
