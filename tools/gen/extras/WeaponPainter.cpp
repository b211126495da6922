// Six weapons from a stick to a magic blade, each lying along +x with its grip at the origin.
#include <cmath>

#include "extras/ExtrasPainter.h"
#include "kit/SpriteKit.h"

namespace extras {

using namespace kit;

const Rgb kMetalOutline = hex("#1b1f3a");
const Rgb kWoodOutline = hex("#2b1b16");

namespace {

const Tones kWood{hex("#8a5f3c"), hex("#4a3326"), hex("#b58758")};
const Tones kDarkWood{hex("#6a4630"), hex("#3d291e"), hex("#8f6444")};
const Tones kSteel{hex("#c9d1d6"), hex("#838e96"), hex("#f6f9fb")};
const Tones kGold{hex("#e8a33d"), hex("#a86b1f"), hex("#ffd983")};
const Tones kLeather{hex("#6e3d2b"), hex("#43241a"), hex("#94583f")};
const Tones kMagic{hex("#8feaff"), hex("#3a9fd6"), hex("#f0feff")};
const Tones kGem{hex("#b45fe0"), hex("#6d2c96"), hex("#ecb8ff")};
const Tones kLeaf{hex("#4f8a3c"), hex("#2f5d34"), hex("#8cc063")};
const Rgb kLine = kMetalOutline;

void polygon(cairo_t* c, std::initializer_list<double> xy) {
  const double* p = xy.begin();
  cairo_new_sub_path(c);
  cairo_move_to(c, p[0], p[1]);
  for (size_t i = 2; i + 1 < xy.size(); i += 2) cairo_line_to(c, p[i], p[i + 1]);
  cairo_close_path(c);
}

// A simple blade from `from` to its point at `to`, `width` px across.
void blade(cairo_t* cr, double from, double to, double width, const Tones& t) {
  double h = width / 2;
  shadedShape(
      cr,
      [=](cairo_t* c) {
        polygon(c, {from, -h, to - width * 1.3, -h, to, 0.3, to - width * 1.3, h, from, h});
      },
      t, kLine, 0.9, 1.1);
}

void grip(cairo_t* cr, double from, double to, double width, const Tones& t) {
  shadedShape(
      cr, [=](cairo_t* c) { capsulePath(c, from, 0, width / 2, to, 0, width / 2); }, t, kLine, 0.6, 0.8);
}

void ball(cairo_t* cr, double x, double y, double r, const Tones& t) {
  shadedShape(
      cr, [=](cairo_t* c) { ellipsePath(c, x, y, r, r); }, t, kLine, 0.6, 0.9);
}

void guard(cairo_t* cr, double x, double halfSpan, const Tones& t) {
  shadedShape(
      cr, [=](cairo_t* c) { capsulePath(c, x, -halfSpan, 1.5, x, halfSpan, 1.5); }, t, kLine, 0.6, 0.8);
}

void stick(cairo_t* cr) {
  // Slightly crooked, with a knot and a little leaf still growing near the tip.
  shadedShape(
      cr,
      [](cairo_t* c) {
        capsulePath(c, -3, 0.5, 1.6, 10, -0.6, 1.5);
        capsulePath(c, 10, -0.6, 1.5, 21, 0.4, 1.3);
      },
      kWood, kWoodOutline, 0.6, 0.8);
  ball(cr, 8, 0.2, 1.4, kDarkWood);
  shadedShape(
      cr, [](cairo_t* c) { ellipsePath(c, 16, -3.6, 2.6, 1.4, -0.6); }, kLeaf, kWoodOutline, 0.5, 0.6);
}

void club(cairo_t* cr) {
  shadedShape(
      cr, [](cairo_t* c) { capsulePath(c, -3, 0, 1.8, 16.5, 0, 5.4); }, kWood, kWoodOutline, 0.8, 1.4);
  grip(cr, -3, 4, 4.2, kLeather);
  // Knots and a band of darker wood.
  ball(cr, 10, 1.4, 1.1, kDarkWood);
  ball(cr, 16, -2.0, 1.3, kDarkWood);
}

void shortSword(cairo_t* cr) {
  blade(cr, 4, 22, 4.6, kSteel);
  grip(cr, -3, 3, 3.2, kLeather);
  guard(cr, 4, 4.5, kGold);
  ball(cr, -4.2, 0, 1.8, kGold);
}

void longSword(cairo_t* cr) {
  blade(cr, 5, 30, 5.4, kSteel);
  // The fuller: a groove down the blade.
  setColour(cr, kSteel.shade);
  cairo_set_line_width(cr, 1.0);
  cairo_move_to(cr, 7, 0);
  cairo_line_to(cr, 22, 0);
  cairo_stroke(cr);
  grip(cr, -4, 4, 3.4, kLeather);
  shadedShape(
      cr,
      [](cairo_t* c) {
        capsulePath(c, 5, -6.5, 1.6, 5, 6.5, 1.6);
        ellipsePath(c, 6.2, -6.6, 1.8, 1.8);
        ellipsePath(c, 6.2, 6.6, 1.8, 1.8);
      },
      kGold, kLine, 0.6, 0.8);
  ball(cr, -5.2, 0, 2.1, kGold);
}

void axe(cairo_t* cr) {
  shadedShape(
      cr, [](cairo_t* c) { capsulePath(c, -4, 0, 1.7, 27, 0, 1.7); }, kWood, kWoodOutline, 0.6, 0.8);
  grip(cr, -4, 3, 4.0, kLeather);
  // A two-bladed head with curved edges.
  shadedShape(
      cr,
      [](cairo_t* c) {
        cairo_new_sub_path(c);
        cairo_move_to(c, 19, -2);
        cairo_curve_to(c, 15, -6, 14, -10, 14.5, -13);
        cairo_curve_to(c, 19, -10.5, 25, -10.5, 29.5, -13);
        cairo_curve_to(c, 30, -10, 29, -6, 25, -2);
        cairo_line_to(c, 25, 2);
        cairo_curve_to(c, 29, 6, 30, 10, 29.5, 13);
        cairo_curve_to(c, 25, 10.5, 19, 10.5, 14.5, 13);
        cairo_curve_to(c, 14, 10, 15, 6, 19, 2);
        cairo_close_path(c);
      },
      kSteel, kLine, 1.0, 1.4);
  ball(cr, 22, 0, 1.6, kGold);
}

void sparkle(cairo_t* cr, double x, double y, double r) { fillSparkle(cr, x, y, r, 0.3, hex("#ffffff")); }

void magicBlade(cairo_t* cr) {
  // A pale halo first, so the blade seems to shine even against the colour key.
  setColour(cr, hex("#c9f6ff"));
  cairo_new_path(cr);
  polygon(cr, {4, -4.8, 25, -4.8, 33.8, 0.3, 25, 4.8, 4, 4.8});
  cairo_fill(cr);
  blade(cr, 5, 32, 5.2, kMagic);
  setColour(cr, hex("#ffffff"));
  cairo_set_line_width(cr, 1.2);
  cairo_move_to(cr, 8, -0.6);
  cairo_line_to(cr, 25, -0.6);
  cairo_stroke(cr);
  grip(cr, -4, 4, 3.4, kLeather);
  shadedShape(
      cr, [](cairo_t* c) { capsulePath(c, 5, -6, 1.8, 5, 6, 1.8); }, kGem, kLine, 0.6, 0.8);
  ball(cr, 5.2, 0, 2.2, kGold);
  ball(cr, -5.4, 0, 2.2, kGem);
  sparkle(cr, 16, -8.5, 2.6);
  sparkle(cr, 27, 7.5, 2.2);
}

}  // namespace

double weaponReach(int level) {
  static const double kReach[kWeaponLevels] = {22, 22, 22, 30, 30, 33};  // px
  return kReach[level];
}

void paintWeapon(cairo_t* cr, int level) {
  switch (level) {
    case 0:
      stick(cr);
      break;
    case 1:
      club(cr);
      break;
    case 2:
      shortSword(cr);
      break;
    case 3:
      longSword(cr);
      break;
    case 4:
      axe(cr);
      break;
    default:
      magicBlade(cr);
      break;
  }
}

}  // namespace extras
