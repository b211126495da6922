#include <cmath>

#include "goblins/GoblinParts.h"

namespace goblins {

using sprite::capsulePath;
using sprite::ellipsePath;
using sprite::polygonPath;
using sprite::Rims;

namespace {
const Rims kHeadRims{1.8, 1.0};
const Rims kSmallRims{0.9, 0.7};
const double kEarReach = 7;     // px the ear tip sticks out behind the skull
const double kNoseReach = 4.5;  // px the nose tip sticks out in front
const double kPi = 3.14159265358979;

void earPath(cairo_t* cr, double rx, double ry) {
  polygonPath(cr, {{-rx * 0.2, -ry * 0.45},
                   {-rx * 0.75, -ry * 0.9},
                   {-rx - kEarReach, -ry * 1.05},
                   {-rx * 0.85, -ry * 0.05},
                   {-rx * 0.15, ry * 0.25}});
}

void innerEarPath(cairo_t* cr, double rx, double ry) {
  polygonPath(cr, {{-rx * 0.45, -ry * 0.4}, {-rx - kEarReach + 2.5, -ry * 0.85}, {-rx * 0.6, -ry * 0.1}});
}

void skullPath(cairo_t* cr, double rx, double ry) {
  ellipsePath(cr, {0, 0}, rx, ry);
  ellipsePath(cr, {rx * 0.25, ry * 0.4}, rx * 0.72, ry * 0.58);  // jaw
  polygonPath(cr, {{rx * 0.5, -ry * 0.4}, {rx + kNoseReach, ry * 0.25}, {rx * 0.55, ry * 0.35}});
}

void paintFace(cairo_t* cr, const BreedLook& look, double rx, double ry, bool shouting) {
  Vec eye{rx * 0.42, -ry * 0.22};
  sprite::paintFlat(
      cr, [&](cairo_t* c) { ellipsePath(c, eye, 2.3, 2.1); }, look.eye, look.outline);
  setColour(cr, look.pupil);
  cairo_new_path(cr);
  cairo_arc(cr, eye.x + 0.9, eye.y + 0.2, 1.1, 0, 2 * kPi);
  cairo_fill(cr);
  // A brow slanting down to the nose gives the sly look.
  setColour(cr, look.outline);
  cairo_set_line_width(cr, 1.5);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_move_to(cr, rx * 0.0, -ry * 0.62);
  cairo_line_to(cr, rx * 0.75, -ry * 0.32);
  cairo_stroke(cr);
  if (shouting) {
    Vec m{rx * 0.6, ry * 0.52};
    sprite::paintFlat(
        cr, [&](cairo_t* c) { ellipsePath(c, m, 2.5, 1.9); }, look.mouth, look.outline);
    setColour(cr, look.tooth);
    cairo_move_to(cr, m.x - 0.2, m.y - 1.9);
    cairo_line_to(cr, m.x + 1.4, m.y - 1.9);
    cairo_line_to(cr, m.x + 0.6, m.y - 0.2);
    cairo_fill(cr);
    return;
  }
  // A lopsided grin with one tooth showing.
  setColour(cr, look.mouth);
  cairo_set_line_width(cr, 1.3);
  cairo_move_to(cr, rx * 0.15, ry * 0.38);
  cairo_curve_to(cr, rx * 0.35, ry * 0.75, rx * 0.75, ry * 0.7, rx * 0.98, ry * 0.28);
  cairo_stroke(cr);
  setColour(cr, look.tooth);
  cairo_move_to(cr, rx * 0.55, ry * 0.6);
  cairo_line_to(cr, rx * 0.75, ry * 0.56);
  cairo_line_to(cr, rx * 0.68, ry * 0.8);
  cairo_fill(cr);
}

// Rare goblins wear the crown of a horned skull as a cap.
void paintSkullCap(cairo_t* cr, const BreedLook& look, double rx, double ry) {
  auto horns = [&](cairo_t* c) {
    capsulePath(c, {-rx * 0.35, -ry * 0.8}, {-rx * 0.95, -ry - 3}, 1.5, 0.4);
    capsulePath(c, {rx * 0.2, -ry * 0.9}, {rx * 0.15, -ry - 3.5}, 1.3, 0.4);
  };
  sprite::paintShaded(cr, horns, look.bone, look.outline, kSmallRims);
  auto cap = [&](cairo_t* c) {
    std::vector<Vec> rim;
    const double from = kPi + 0.55, to = 2 * kPi - 0.45;  // radians round the crown
    for (int i = 0; i <= 8; ++i) {
      double a = from + (to - from) * i / 8;
      rim.push_back({(rx + 0.8) * std::cos(a), (ry + 0.8) * std::sin(a)});
    }
    rim.push_back({rx * 0.3, -ry * 0.5});
    rim.push_back({-rx * 0.6, -ry * 0.45});
    polygonPath(c, rim);
  };
  sprite::paintShaded(cr, cap, look.bone, look.outline, kSmallRims);
  // A crack across the bone.
  setColour(cr, look.bone.shade);
  cairo_set_line_width(cr, 0.9);
  cairo_move_to(cr, -rx * 0.1, -ry - 0.5);
  cairo_line_to(cr, rx * 0.05, -ry * 0.75);
  cairo_stroke(cr);
}
}  // namespace

void paintHead(cairo_t* cr, const BreedLook& look, const Build& b, bool shouting) {
  double rx = b.headRx, ry = b.headRy;
  Tones farSkin = sprite::recede(look.skin, look.outline);
  // The far ear peeks out above and behind the near one.
  cairo_save(cr);
  cairo_translate(cr, 2, -1.5);
  cairo_rotate(cr, 0.1);
  cairo_scale(cr, 0.85, 0.85);
  sprite::paintShaded(
      cr, [&](cairo_t* c) { earPath(c, rx, ry); }, farSkin, look.outline, kSmallRims);
  cairo_restore(cr);
  sprite::paintShaded(
      cr, [&](cairo_t* c) { skullPath(c, rx, ry); }, look.skin, look.outline, kHeadRims);
  sprite::paintShaded(
      cr, [&](cairo_t* c) { earPath(c, rx, ry); }, look.skin, look.outline, kSmallRims);
  sprite::paintShaded(
      cr, [&](cairo_t* c) { innerEarPath(c, rx, ry); }, look.innerEar, look.outline, Rims{0.6, 0.4});
  paintFace(cr, look, rx, ry, shouting);
  if (look.rare) paintSkullCap(cr, look, rx, ry);
}

}  // namespace goblins
