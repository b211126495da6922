// The small pickups and hazards: the thorn bush, the spike trap and the hazelnut.
#include <cmath>

#include "extras/ExtrasPainter.h"
#include "kit/SpriteKit.h"

namespace extras {

using namespace kit;

namespace {

const Tones kBushLeaf{hex("#3f7a3a"), hex("#2a5230"), hex("#6fa653")};
const Tones kBushLeafLight{hex("#4f8a3c"), hex("#356b37"), hex("#8cc063")};
const Tones kThorn{hex("#5a3b29"), hex("#3b261b"), hex("#7a5538")};
const Tones kThornTip{hex("#d8472c"), hex("#9b2a1c"), hex("#ff7a5a")};
const Tones kTrapMetal{hex("#7a3aa0"), hex("#4a1f66"), hex("#a862d0")};
const Tones kTrapPlate{hex("#55306e"), hex("#351c48"), hex("#7a4a98")};
const Tones kTrapTooth{hex("#e4cdf5"), hex("#a58cc0"), hex("#ffffff")};
const Tones kPoison{hex("#c46cf0"), hex("#8a35b8"), hex("#f2c8ff")};
const Tones kNutShell{hex("#a9652f"), hex("#74421f"), hex("#d48b4c")};
const Tones kNutScar{hex("#e3c58f"), hex("#b8955e"), hex("#f6e3bb")};
const Rgb kShine = hex("#fff8ea");

// A thorn from `base` pointing along `angle` (radians), brown with a red tip.
void thorn(cairo_t* cr, double bx, double by, double angle, double length) {
  double dx = std::cos(angle), dy = std::sin(angle), nx = -dy, ny = dx;
  auto spike = [=](double from, double to, double halfWidth) {
    return [=](cairo_t* c) {
      cairo_new_sub_path(c);
      cairo_move_to(c, bx + dx * from + nx * halfWidth, by + dy * from + ny * halfWidth);
      cairo_line_to(c, bx + dx * to, by + dy * to);
      cairo_line_to(c, bx + dx * from - nx * halfWidth, by + dy * from - ny * halfWidth);
      cairo_close_path(c);
    };
  };
  shadedShape(cr, spike(0, length, 2.2), kThorn, kWoodOutline, 0.5, 0.7);
  shadedShape(cr, spike(length * 0.5, length, 1.1), kThornTip, kWoodOutline, 0.3, 0.4);
}

}  // namespace

void paintThornBush(cairo_t* cr) {
  // Thorns first, so they poke out from behind the leaves all round the mound.
  struct Spike {
    double x, y, angle, length;
  };
  const Spike spikes[] = {{8, 40, 3.5, 7},   {10, 30, 3.9, 7}, {17, 22, 4.3, 8},
                          {25, 19, 4.75, 8}, {33, 22, 5.1, 8}, {40, 30, 5.55, 7},
                          {42, 40, 5.95, 7}, {21, 24, 4.5, 6}, {30, 24, 5.0, 6}};
  for (const Spike& s : spikes) thorn(cr, s.x, s.y, s.angle, s.length);
  shadedShape(
      cr,
      [](cairo_t* c) {
        ellipsePath(c, 13, 40, 9.5, 8.5);
        ellipsePath(c, 25, 33, 11.5, 11);
        ellipsePath(c, 37, 40, 9.5, 8.5);
        ellipsePath(c, 25, 44, 17, 6.5);
      },
      kBushLeaf, kWoodOutline, 1.0, 1.8);
  // Brighter leaves catching the light, a few thorns in front, and red berries.
  const double leaves[][3] = {{19, 27, -0.5}, {24, 25, 0.3},  {30, 28, 0.8}, {12, 37, -0.7},
                              {35, 36, 0.6},  {22, 35, -0.2}, {28, 41, 0.4}, {16, 43, -0.4}};
  for (const auto& l : leaves) {
    shadedShape(
        cr, [&](cairo_t* c) { ellipsePath(c, l[0], l[1], 3.2, 1.7, l[2]); }, kBushLeafLight, kBushLeaf.shade,
        0.5, 0.6);
  }
  thorn(cr, 36, 44, 5.8, 5);
  thorn(cr, 17, 45, 3.8, 5);
  // A pair, not structured bindings: C++17 lets no lambda capture those, and clang holds to it.
  for (std::pair<double, double> tip : {std::pair{28.0, 28.0}, std::pair{39.0, 38.0}, std::pair{10.0, 44.0}}) {
    shadedShape(
        cr, [tip](cairo_t* c) { ellipsePath(c, tip.first, tip.second, 1.8, 1.8); }, kThornTip, kWoodOutline, 0.4,
        0.6);
  }
}

// The jaws hinge on the base plate and swing up from lying open to meeting in the middle.
void paintSpikeTrap(cairo_t* cr, int frame) {
  // Shut, the jaws lean past upright and their teeth cross.
  static const double kJawLift[3] = {0.2, 0.9, 1.85};  // radians above flat
  constexpr double kHingeY = 45.0, kHingeGap = 6.0, kJawLength = 18.0;
  constexpr int kTeeth = 4;
  for (int side : {-1, 1}) {
    double lift = kJawLift[frame];
    double hx = 25 + side * kHingeGap;
    double dx = side * std::cos(lift), dy = -std::sin(lift);   // along the jaw
    double tx = -side * std::sin(lift), ty = -std::cos(lift);  // the way the teeth point
    // Teeth along the jaw's inner edge, then the jaw bar over their roots.
    for (int i = 0; i < kTeeth; ++i) {
      double along = 5.0 + i * 4.2;
      double bx = hx + dx * along, by = kHingeY + dy * along;
      shadedShape(
          cr,
          [=](cairo_t* c) {
            cairo_new_sub_path(c);
            cairo_move_to(c, bx - dx * 1.9, by - dy * 1.9);
            cairo_line_to(c, bx + tx * 7.0, by + ty * 7.0);
            cairo_line_to(c, bx + dx * 1.9, by + dy * 1.9);
            cairo_close_path(c);
          },
          kTrapTooth, kMetalOutline, 0.4, 0.6);
    }
    shadedShape(
        cr,
        [=](cairo_t* c) {
          capsulePath(c, hx, kHingeY, 2.4, hx + dx * kJawLength, kHingeY + dy * kJawLength, 2.0);
        },
        kTrapMetal, kMetalOutline, 0.7, 1.0);
  }
  shadedShape(
      cr, [](cairo_t* c) { capsulePath(c, 9, 46.5, 3, 41, 46.5, 3); }, kTrapPlate, kMetalOutline, 0.8, 1.2);
  // A poison bead at the hinge that the open trap shows off.
  shadedShape(
      cr, [](cairo_t* c) { ellipsePath(c, 25, 45, 3.2, 3.2); }, kPoison, kMetalOutline, 0.8, 1.0);
  if (frame == 2) {  // snap! little strokes around the closed jaws
    setColour(cr, kTrapTooth.light);
    cairo_set_line_width(cr, 1.4);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    const double strokes[][4] = {{25, 12, 25, 7}, {16, 16, 12, 12}, {34, 16, 38, 12}};
    for (const auto& s : strokes) {
      cairo_move_to(cr, s[0], s[1]);
      cairo_line_to(cr, s[2], s[3]);
    }
    cairo_stroke(cr);
  }
}

void paintNut(cairo_t* cr) {
  constexpr double kScale = 0.86;  // drawn at 28 px, shown at about 26 with its outline
  cairo_translate(cr, 25, 25);
  cairo_scale(cr, kScale, kScale);
  cairo_translate(cr, -25, -25);
  // Pointed at the top, round below, with the pale scar where it sat in its husk.
  auto shell = [](cairo_t* c) {
    cairo_new_sub_path(c);
    cairo_move_to(c, 25, 11.5);
    cairo_curve_to(c, 30, 14, 37.5, 18.5, 37.5, 26.5);
    cairo_curve_to(c, 37.5, 33.5, 32, 38.5, 25, 38.5);
    cairo_curve_to(c, 18, 38.5, 12.5, 33.5, 12.5, 26.5);
    cairo_curve_to(c, 12.5, 18.5, 20, 14, 25, 11.5);
    cairo_close_path(c);
  };
  shadedShape(cr, shell, kNutShell, kWoodOutline, 1.2, 2.2);
  // Faint stripes down the shell.
  cairo_save(cr);
  shell(cr);
  cairo_clip(cr);
  setColour(cr, kNutShell.shade, 0.6);
  cairo_set_line_width(cr, 0.8);
  for (double x : {19.0, 25.0, 31.0}) {
    cairo_move_to(cr, 25 + (x - 25) * 0.3, 14);
    cairo_curve_to(cr, x, 20, x, 28, 25 + (x - 25) * 0.8, 34);
  }
  cairo_stroke(cr);
  cairo_restore(cr);
  shadedShape(
      cr, [](cairo_t* c) { ellipsePath(c, 25, 35.2, 9.5, 3.8); }, kNutScar, kWoodOutline, 0.6, 1.0);
  setColour(cr, kNutScar.shade);
  for (auto [x, y] :
       {std::pair{21.0, 35.0}, std::pair{25.0, 36.2}, std::pair{29.0, 34.8}, std::pair{24.0, 34.0}}) {
    ellipsePath(cr, x, y, 0.7, 0.6);
    cairo_fill(cr);
  }
  // The shine.
  setColour(cr, kShine);
  ellipsePath(cr, 19.5, 22.5, 1.8, 3.6, 0.5);
  cairo_fill(cr);
  ellipsePath(cr, 22.2, 17.8, 1.0, 1.0);
  cairo_fill(cr);
}

}  // namespace extras
