// The animal to rescue: a rabbit in a little wooden cage, and the same rabbit set free.
#include <cmath>

#include "extras/ExtrasPainter.h"
#include "kit/SpriteKit.h"

namespace extras {

using namespace kit;

namespace {

const Tones kFur{hex("#ebe3da"), hex("#b9aa9c"), hex("#ffffff")};
const Tones kBelly{hex("#fffaf2"), hex("#e6d8c6"), hex("#ffffff")};
const Tones kCageWood{hex("#8a5f3c"), hex("#4a3326"), hex("#b58758")};
const Tones kLock{hex("#e8a33d"), hex("#a86b1f"), hex("#ffd983")};
const Tones kHeart{hex("#e0344a"), hex("#a01d33"), hex("#ff8a96")};
const Rgb kEarInside = hex("#f2a0a8");
const Rgb kEye = hex("#2b1b16");
const Rgb kWhite = hex("#ffffff");

struct RabbitLook {
  double x, y;                       // px, the centre of the head
  double leftEarTilt, rightEarTilt;  // radians, leaning outward (+)
  bool blinking;
  bool cheering;  // paws up, for the rescued frame
};

void ear(cairo_t* cr, double x, double y, double tilt) {
  // Rotate about the ear's root at the top of the head.
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, tilt);
  shadedShape(
      cr, [](cairo_t* c) { ellipsePath(c, 0, -6.0, 2.4, 6.6); }, kFur, kWoodOutline, 0.6, 0.9);
  setColour(cr, kEarInside);
  ellipsePath(cr, 0.2, -6.0, 1.1, 4.6);
  cairo_fill(cr);
  cairo_restore(cr);
}

void rabbit(cairo_t* cr, const RabbitLook& r) {
  double hx = r.x, hy = r.y;
  ear(cr, hx - 2.6, hy - 3.5, -0.18 - r.leftEarTilt);
  ear(cr, hx + 2.6, hy - 3.5, 0.18 + r.rightEarTilt);
  // Body and a fluffy tail peeking out at the side.
  shadedShape(
      cr, [=](cairo_t* c) { ellipsePath(c, hx + 5.5, hy + 14.5, 2.6, 2.6); }, kBelly, kWoodOutline, 0.5, 0.8);
  shadedShape(
      cr, [=](cairo_t* c) { ellipsePath(c, hx, hy + 11.0, 7.5, 6.5); }, kFur, kWoodOutline, 0.8, 1.4);
  shadedShape(
      cr, [=](cairo_t* c) { ellipsePath(c, hx, hy + 12.0, 4.2, 4.6); }, kBelly, kWoodOutline, 0.5, 0.8);
  // Feet.
  for (int side : {-1, 1}) {
    shadedShape(
        cr, [=](cairo_t* c) { ellipsePath(c, hx + side * 4.2, hy + 16.8, 3.0, 1.7); }, kFur, kWoodOutline,
        0.4, 0.7);
  }
  // Paws: folded on the belly, or thrown up with joy.
  for (int side : {-1, 1}) {
    double px = hx + side * (r.cheering ? 7.5 : 2.4), py = hy + (r.cheering ? 2.0 : 8.5);
    shadedShape(
        cr, [=](cairo_t* c) { ellipsePath(c, px, py, 1.8, 2.2); }, kFur, kWoodOutline, 0.4, 0.6);
  }
  shadedShape(
      cr, [=](cairo_t* c) { ellipsePath(c, hx, hy, 6.2, 5.4); }, kFur, kWoodOutline, 0.8, 1.2);
  // Face: eyes, a pink nose and cheeks.
  for (int side : {-1, 1}) {
    double ex = hx + side * 2.6, ey = hy - 0.6;
    if (r.blinking) {
      setColour(cr, kEye);
      cairo_set_line_width(cr, 0.9);
      cairo_move_to(cr, ex - 1.3, ey + 0.2);
      cairo_curve_to(cr, ex - 0.5, ey + 1.0, ex + 0.5, ey + 1.0, ex + 1.3, ey + 0.2);
      cairo_stroke(cr);
      continue;
    }
    setColour(cr, kEye);
    ellipsePath(cr, ex, ey, 1.3, 1.6);
    cairo_fill(cr);
    setColour(cr, kWhite);
    ellipsePath(cr, ex - 0.4, ey - 0.6, 0.5, 0.5);
    cairo_fill(cr);
  }
  setColour(cr, kEarInside);
  ellipsePath(cr, hx, hy + 1.8, 1.1, 0.8);
  cairo_fill(cr);
  setColour(cr, kEarInside, 0.7);
  ellipsePath(cr, hx - 4.2, hy + 2.4, 1.2, 0.7);
  cairo_fill(cr);
  ellipsePath(cr, hx + 4.2, hy + 2.4, 1.2, 0.7);
  cairo_fill(cr);
}

// A small wooden cage: plank floor, arched roof, bars and a padlock.
constexpr double kCageLeft = 7, kCageRight = 43, kCageTop = 11, kCageFloor = 43.5;

void cageBack(cairo_t* cr) {
  shadedShape(
      cr, [](cairo_t* c) { roundedRect(c, kCageLeft - 2, kCageFloor, kCageRight - kCageLeft + 4, 6, 1.5); },
      kCageWood, kWoodOutline, 0.8, 1.2);
}

void cageFront(cairo_t* cr) {
  // Wide gaps in the middle, so the rabbit's face shows between the bars.
  for (double x : {kCageLeft + 1, kCageLeft + 9.5, kCageRight - 9.5, kCageRight - 1}) {
    double top = kCageTop + 5 - 5 * std::sin(M_PI * (x - kCageLeft) / (kCageRight - kCageLeft));
    shadedShape(
        cr, [=](cairo_t* c) { capsulePath(c, x, top, 1.1, x, kCageFloor + 0.5, 1.1); }, kCageWood,
        kWoodOutline, 0.4, 0.6);
  }
  shadedShape(
      cr,
      [](cairo_t* c) {
        cairo_new_sub_path(c);
        cairo_move_to(c, kCageLeft - 2, kCageTop + 7);
        cairo_curve_to(c, kCageLeft + 4, kCageTop - 3, kCageRight - 4, kCageTop - 3, kCageRight + 2,
                       kCageTop + 7);
        cairo_line_to(c, kCageRight + 2, kCageTop + 10);
        cairo_curve_to(c, kCageRight - 4, kCageTop + 1, kCageLeft + 4, kCageTop + 1, kCageLeft - 2,
                       kCageTop + 10);
        cairo_close_path(c);
      },
      kCageWood, kWoodOutline, 0.7, 1.0);
  // A ring on top to carry it by.
  setColour(cr, kLock.shade);
  cairo_set_line_width(cr, 1.4);
  cairo_arc(cr, 25, kCageTop + 0.5, 2.6, M_PI, 2 * M_PI);
  cairo_stroke(cr);
  // Padlock on the door.
  shadedShape(
      cr, [](cairo_t* c) { roundedRect(c, 30.5, 35, 6, 5, 1); }, kLock, kWoodOutline, 0.5, 0.8);
  setColour(cr, kLock.shade);
  cairo_set_line_width(cr, 1.2);
  cairo_arc(cr, 33.5, 35, 2, M_PI, 2 * M_PI);
  cairo_stroke(cr);
}

void heart(cairo_t* cr, double x, double y, double size) {
  shadedShape(
      cr,
      [=](cairo_t* c) {
        double s = size / 10;
        cairo_new_sub_path(c);
        cairo_move_to(c, x, y + 9 * s);
        cairo_curve_to(c, x - 8 * s, y + 3 * s, x - 6 * s, y - 4 * s, x, y - 1 * s);
        cairo_curve_to(c, x + 6 * s, y - 4 * s, x + 8 * s, y + 3 * s, x, y + 9 * s);
        cairo_close_path(c);
      },
      kHeart, kWoodOutline, 0.7, 1.0);
  setColour(cr, kWhite);
  ellipsePath(cr, x - size * 0.28, y + size * 0.12, size * 0.09, size * 0.13, 0.6);
  cairo_fill(cr);
}

}  // namespace

// The second idle frame blinks and flicks an ear.
void paintCagedRabbit(cairo_t* cr, int frame) {
  cageBack(cr);
  RabbitLook look{25, 27.5, 0, frame == 1 ? 0.55 : 0, frame == 1, false};
  rabbit(cr, look);
  cageFront(cr);
}

void paintFreeRabbit(cairo_t* cr) {
  RabbitLook look{22, 27, 0.2, 0.2, false, true};
  rabbit(cr, look);
  heart(cr, 37, 7, 11);
}

}  // namespace extras
