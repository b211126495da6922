#include <cmath>

#include "goblins/GoblinParts.h"

namespace goblins {

using sprite::capsulePath;
using sprite::ellipsePath;
using sprite::polygonPath;
using sprite::Rims;

namespace {
const Rims kBodyRims{2.2, 1.2};
const Rims kSmallRims{0.9, 0.7};
const double kHemDepth = 3.0;  // px the rag's teeth hang below its hem line

// The part of the torso ellipse below `topShare` (-1 top .. 1 bottom), ending
// in a ragged hem that hangs over the thighs.
std::vector<Vec> raggedBand(const TorsoShape& t, double topShare, int teeth) {
  const double hemShare = 0.8;
  double rx = t.rx + 0.6, ry = t.ry + 0.6;
  double top = std::asin(topShare), hem = std::asin(hemShare);
  std::vector<Vec> pts;
  const int steps = 6;
  for (int i = 0; i <= steps; ++i) {  // right side, downwards
    double a = top + (hem - top) * i / steps;
    pts.push_back({t.centre.x + rx * std::cos(a), t.centre.y + ry * std::sin(a)});
  }
  double right = t.centre.x + rx * std::cos(hem), left = t.centre.x - rx * std::cos(hem);
  double hemY = t.centre.y + ry * hemShare;
  for (int k = 1; k < 2 * teeth; ++k) {
    double x = right + (left - right) * k / (2 * teeth);
    pts.push_back({x, k % 2 ? hemY + kHemDepth : hemY});
  }
  for (int i = steps; i >= 0; --i) {  // left side, upwards
    double a = top + (hem - top) * i / steps;
    pts.push_back({t.centre.x - rx * std::cos(a), t.centre.y + ry * std::sin(a)});
  }
  return pts;
}

void clipToTorso(cairo_t* cr, const TorsoShape& t) {
  cairo_new_path(cr);
  ellipsePath(cr, t.centre, t.rx + 0.5, t.ry + 0.5);
  cairo_clip(cr);
}

// Common goblins: a torn tunic, a strap over the shoulder and a rope belt.
void paintRags(cairo_t* cr, const BreedLook& look, const TorsoShape& t) {
  auto tunic = raggedBand(t, -0.1, 3);
  sprite::paintShaded(
      cr, [&](cairo_t* c) { polygonPath(c, tunic); }, look.cloth, look.outline, kBodyRims);
  cairo_save(cr);
  clipToTorso(cr, t);
  double top = t.centre.y - t.ry, waist = t.centre.y + t.ry * 0.35;
  auto strap = [&](cairo_t* c) {
    polygonPath(c, {{t.centre.x + t.rx * 0.05, top - 1},
                    {t.centre.x + t.rx * 0.5, top + 1},
                    {t.centre.x - t.rx * 0.6, waist + 1},
                    {t.centre.x - t.rx * 1.1, waist - 1.5}});
  };
  sprite::paintShaded(cr, strap, look.cloth, look.outline, kSmallRims);
  cairo_restore(cr);
  setColour(cr, look.cloth.shade);
  cairo_set_line_width(cr, 1.4);
  cairo_move_to(cr, t.centre.x - t.rx, waist + 1.5);
  cairo_line_to(cr, t.centre.x + t.rx, waist + 0.5);
  cairo_stroke(cr);
}

// Rare goblins: a dark loincloth, a bone breastplate with ribs, a belt of bones.
void paintBoneArmour(cairo_t* cr, const BreedLook& look, const TorsoShape& t) {
  auto loincloth = raggedBand(t, 0.3, 2);
  sprite::paintShaded(
      cr, [&](cairo_t* c) { polygonPath(c, loincloth); }, look.cloth, look.outline, kBodyRims);
  Vec plate{t.centre.x + t.rx * 0.12, t.centre.y - t.ry * 0.28};
  double prx = t.rx * 0.62, pry = t.ry * 0.42;
  sprite::paintShaded(
      cr, [&](cairo_t* c) { ellipsePath(c, plate, prx, pry); }, look.bone, look.outline, kSmallRims);
  setColour(cr, look.bone.shade);
  cairo_set_line_width(cr, 1.0);
  for (int i = -1; i <= 1; i += 2) {  // two ribs curving round the chest
    double y = plate.y + i * pry * 0.38;
    cairo_move_to(cr, plate.x - prx * 0.75, y + 0.8);
    cairo_curve_to(cr, plate.x - prx * 0.2, y - 0.6, plate.x + prx * 0.2, y - 0.6, plate.x + prx * 0.75,
                   y + 0.8);
    cairo_stroke(cr);
  }
  double beltY = t.centre.y + t.ry * 0.42;
  for (int i = 0; i < 4; ++i) {
    Vec bead{t.centre.x - t.rx * 0.75 + t.rx * 0.5 * i, beltY};
    sprite::paintFlat(
        cr, [&](cairo_t* c) { ellipsePath(c, bead, 1.6, 1.3); }, look.bone.base, look.outline);
  }
}
}  // namespace

TorsoShape torsoShape(const Build& b) {
  // Reaches a little below the hip so it covers the tops of the thighs.
  return {{0, -b.torsoHeight / 2 + 1.5}, b.torsoWidth / 2, b.torsoHeight / 2 + 1.5};
}

void paintTorso(cairo_t* cr, const BreedLook& look, const Build& b) {
  TorsoShape t = torsoShape(b);
  sprite::paintShaded(
      cr, [&](cairo_t* c) { ellipsePath(c, t.centre, t.rx, t.ry); }, look.skin, look.outline, kBodyRims);
  if (look.rare) {
    paintBoneArmour(cr, look, t);
  } else {
    paintRags(cr, look, t);
  }
}

void paintShoulderPad(cairo_t* cr, const BreedLook& look, const Build& b, Vec shoulder) {
  double r = b.armRadius * 1.45;
  auto pad = [&](cairo_t* c) {
    capsulePath(c, shoulder + Vec{-0.5, -0.5}, shoulder + Vec{-1.5, -r - 2}, 1.1, 0.3);  // spike
    ellipsePath(c, shoulder + Vec{0, -0.3}, r, r * 0.75);
  };
  sprite::paintShaded(cr, pad, look.bone, look.outline, kSmallRims);
}

void paintWeapon(cairo_t* cr, const BreedLook& look, Weapon w, Vec back, Vec front) {
  Vec d = front - back;
  double len = std::hypot(d.x, d.y);
  Vec u = d * (1.0 / len), n{-u.y, u.x};
  switch (w) {
    case Weapon::Dagger: {
      const double handle = 4;  // px
      Vec hilt = back + u * handle;
      sprite::paintShaded(
          cr, [&](cairo_t* c) { capsulePath(c, back, hilt, 1.2, 1.1); }, look.wood, look.outline, kSmallRims);
      auto blade = [&](cairo_t* c) {
        polygonPath(c,
                    {hilt + n * 1.8, hilt + u * 4 + n * 2.0, front, hilt + u * 4 - n * 1.6, hilt - n * 1.6});
      };
      sprite::paintShaded(cr, blade, look.blade, look.outline, Rims{0.8, 0.6});
      sprite::paintFlat(
          cr, [&](cairo_t* c) { capsulePath(c, hilt - n * 2.2, hilt + n * 2.2, 0.8, 0.8); }, look.blade.shade,
          look.outline);
      break;
    }
    case Weapon::Club: {
      if (look.rare) {  // a great thigh bone with knobbed ends
        auto bone = [&](cairo_t* c) {
          capsulePath(c, back, front - u * 2, 1.4, 1.6);
          ellipsePath(c, front - u * 2 + n * 1.8, 2.5, 2.5);
          ellipsePath(c, front - u * 2 - n * 1.8, 2.5, 2.5);
        };
        sprite::paintShaded(cr, bone, look.bone, look.outline, kSmallRims);
      } else {
        sprite::paintShaded(
            cr, [&](cairo_t* c) { capsulePath(c, back, front - u * 3.8, 1.4, 4.0); }, look.wood, look.outline,
            Rims{1.3, 0.8});
        setColour(cr, look.wood.shade);  // knots
        cairo_arc(cr, (front - u * 5 + n * 1.2).x, (front - u * 5 + n * 1.2).y, 0.8, 0, 6.3);
        cairo_fill(cr);
        cairo_arc(cr, (front - u * 9 - n * 0.8).x, (front - u * 9 - n * 0.8).y, 0.6, 0, 6.3);
        cairo_fill(cr);
      }
      break;
    }
    case Weapon::Spear: {
      const double head = 6.5;  // px of point
      Vec socket = front - u * head;
      sprite::paintShaded(
          cr, [&](cairo_t* c) { capsulePath(c, back, socket, 0.95, 0.95); }, look.wood, look.outline,
          Rims{0.6, 0.4});
      auto point = [&](cairo_t* c) {
        polygonPath(c, {socket - u * 0.5 + n * 0.9, socket + u * 2 + n * 2.1, front, socket + u * 2 - n * 2.1,
                        socket - u * 0.5 - n * 0.9});
      };
      sprite::paintShaded(cr, point, look.blade, look.outline, Rims{0.8, 0.6});
      break;
    }
  }
}

}  // namespace goblins
