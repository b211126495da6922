#include "hero/PandaPainter.h"

#include <cmath>

#include "hero/PandaFace.h"
#include "kit/SpriteKit.h"

namespace hero {

using namespace kit;

const Rgb kPandaOutline = hex("#151a35");

namespace {

const Tones kWhiteFur{hex("#f4f2ea"), hex("#c9cad8"), hex("#ffffff")};
const Tones kDarkFur{hex("#3a3849"), hex("#23212e"), hex("#5d5b72")};
const Tones kFarDarkFur{hex("#2b2937"), hex("#1b1924"), hex("#3f3d4e")};
const Tones kScarf{hex("#c8452c"), hex("#93301f"), hex("#ee6e4c")};

constexpr double kGroundY = 42.0;  // px; the feet's edge line covers row 42, the sole
constexpr double kFootRx = 3.5, kFootRy = 2.4;
constexpr double kLegWidth = 5.0;
constexpr double kArmLength = 6.5, kArmWidth = 4.6, kPawRadius = 2.5;
constexpr double kHeadRadius = 10.0;
constexpr double kEarRadius = 3.8;

// Where the main parts sit once bob and crouch are applied.
struct Placement {
  double bodyX, bodyY, bodyRx, bodyRy;
  double headX, headY;
  double frontHipX, backHipX, hipY;
  double frontShoulderX, backShoulderX, shoulderY;
  double neckY;
};

// In profile the hips and shoulders close up under the body and the head sits a
// little forward, leaving room for the snout.
void sideOn(Placement& f, const PandaPose& p) {
  f.bodyX = 23.5;
  f.headX = 24.5 + p.lean;
  f.frontHipX = 26.0;
  f.backHipX = 21.5;
  f.frontShoulderX = 26.5;
  f.backShoulderX = 22.0;
}

Placement layout(const PandaPose& p) {
  Placement f;
  f.bodyX = 25;
  f.bodyY = 30.0 + p.bob + p.crouch * 4.5;
  f.bodyRx = 9.0 + p.crouch * 1.2;
  f.bodyRy = 6.6 - p.crouch * 1.0;
  f.headX = 26.0;
  f.headY = 16.0 + p.bob + p.headDy + p.crouch * 6.0;
  f.frontHipX = 29.0;
  f.backHipX = 21.0;
  f.hipY = f.bodyY + f.bodyRy * 0.6;
  // Shoulders at the sides of the body, so arms held out clear the round belly.
  f.frontShoulderX = 31.5;
  f.backShoulderX = 18.5;
  f.shoulderY = f.bodyY - f.bodyRy * 0.3;
  f.neckY = f.headY + kHeadRadius - 1.2;
  if (p.side) sideOn(f, p);
  return f;
}

void leg(cairo_t* cr, double hipX, double hipY, FootPlace foot, const Tones& fur) {
  double fx = hipX + foot.dx, fy = kGroundY - kFootRy - foot.lift;
  shadedShape(
      cr,
      [=](cairo_t* c) {
        capsulePath(c, hipX, hipY, kLegWidth / 2, fx, fy - 0.5, kLegWidth / 2);
        ellipsePath(c, fx + 0.8, fy, kFootRx, kFootRy);
      },
      fur, kPandaOutline, 0.8, 1.2);
}

void arm(cairo_t* cr, double sx, double sy, double angle, double reach, const Tones& fur) {
  double len = kArmLength + reach;
  double px = sx + std::sin(angle) * len, py = sy + std::cos(angle) * len;
  shadedShape(
      cr, [=](cairo_t* c) { capsulePath(c, sx, sy, kArmWidth / 2, px, py, kPawRadius); }, fur, kPandaOutline,
      0.8, 1.2);
}

// The scarf's loose end: a ribbon from the back of the neck, forked at its tip.
void scarfTail(cairo_t* cr, const Placement& f, const PandaPose& p) {
  constexpr double kLength = 12.0, kWidth = 4.2;
  constexpr int kSteps = 8;
  double rootX = f.headX - 7.5, rootY = f.neckY + 1.0;
  // Direction angle: down (pi/2) when hanging, straight back (pi) when streaming.
  double dirAng = M_PI / 2 + p.scarfStream * M_PI / 2;
  double dx = std::cos(dirAng), dy = std::sin(dirAng);
  double amp = 0.6 + 1.6 * std::min(p.scarfStream, 1.0);
  double upX[kSteps + 1], upY[kSteps + 1], loX[kSteps + 1], loY[kSteps + 1];
  for (int i = 0; i <= kSteps; ++i) {
    double t = double(i) / kSteps;
    double ripple = std::sin(p.scarfWave + t * 5.0) * amp * t;
    double cx = rootX + dx * kLength * t - dy * ripple;
    double cy = rootY + dy * kLength * t + dx * ripple;
    double half = kWidth / 2 * (1.0 - 0.25 * t);
    upX[i] = cx - dy * half;
    upY[i] = cy + dx * half;
    loX[i] = cx + dy * half;
    loY[i] = cy - dx * half;
  }
  double tipX = rootX + dx * (kLength - 2.5), tipY = rootY + dy * (kLength - 2.5);
  shadedShape(
      cr,
      [&](cairo_t* c) {
        cairo_move_to(c, upX[0], upY[0]);
        for (int i = 1; i <= kSteps; ++i) cairo_line_to(c, upX[i], upY[i]);
        cairo_line_to(c, tipX, tipY);  // the notch of the fork
        for (int i = kSteps; i >= 0; --i) cairo_line_to(c, loX[i], loY[i]);
        cairo_close_path(c);
      },
      kScarf, kPandaOutline, 0.8, 1.0);
}

// The knot sits at the front, or at the back of the neck in profile, where the tail leaves;
// in profile the band ends under the jaw, clear of the muzzle.
void scarfBand(cairo_t* cr, const Placement& f, bool side) {
  double y = f.neckY, x = f.headX;
  double frontX = x + (side ? 6.0 : 8.5);
  double knotX = x + (side ? -7.0 : 5.5);
  shadedShape(
      cr,
      [=](cairo_t* c) {
        cairo_move_to(c, x - 9.0, y - 1.6);
        cairo_curve_to(c, x - 3, y + 0.6, x + 3, y + 0.6, frontX, y - 1.8);
        cairo_line_to(c, frontX - 0.5, y + 2.2);
        cairo_curve_to(c, x + 3, y + 4.6, x - 3, y + 4.6, x - 9.0, y + 2.4);
        cairo_close_path(c);
      },
      kScarf, kPandaOutline, 0.8, 1.0);
  shadedShape(
      cr, [=](cairo_t* c) { ellipsePath(c, knotX, y + 2.3, 2.0, 1.7); }, kScarf, kPandaOutline, 0.5, 0.8);
}

void body(cairo_t* cr, const Placement& f) {
  shadedShape(
      cr, [=](cairo_t* c) { ellipsePath(c, f.bodyX, f.bodyY, f.bodyRx, f.bodyRy); }, kWhiteFur, kPandaOutline,
      1.0, 2.0);
}

void ears(cairo_t* cr, const Placement& f) {
  shadedShape(
      cr, [=](cairo_t* c) { ellipsePath(c, f.headX - 7.3, f.headY - 7.4, kEarRadius, kEarRadius); }, kDarkFur,
      kPandaOutline);
  shadedShape(
      cr, [=](cairo_t* c) { ellipsePath(c, f.headX + 6.5, f.headY - 8.0, kEarRadius, kEarRadius); }, kDarkFur,
      kPandaOutline);
}

void head(cairo_t* cr, const Placement& f) {
  shadedShape(
      cr, [=](cairo_t* c) { ellipsePath(c, f.headX, f.headY, kHeadRadius + 0.6, kHeadRadius); }, kWhiteFur,
      kPandaOutline, 1.0, 2.0);
}

// In profile: the far ear peeks over the crown ahead of the near one, which sits towards the back.
void sideEars(cairo_t* cr, const Placement& f, bool nearOne) {
  if (nearOne) {
    shadedShape(
        cr, [=](cairo_t* c) { ellipsePath(c, f.headX - 5.0, f.headY - 7.4, kEarRadius, kEarRadius); },
        kDarkFur, kPandaOutline);
    return;
  }
  shadedShape(
      cr,
      [=](cairo_t* c) { ellipsePath(c, f.headX + 1.8, f.headY - 8.8, kEarRadius - 0.3, kEarRadius - 0.3); },
      kFarDarkFur, kPandaOutline);
}

// The round head with its muzzle jutting forward, one shape so the outline runs round both.
void sideHead(cairo_t* cr, const Placement& f) {
  shadedShape(
      cr,
      [=](cairo_t* c) {
        ellipsePath(c, f.headX, f.headY, kHeadRadius + 0.2, kHeadRadius);
        ellipsePath(c, f.headX + 9.6, f.headY + 3.4, 4.8, 3.6, -0.15);
      },
      kWhiteFur, kPandaOutline, 1.0, 2.0);
}

void questionMark(cairo_t* cr) {
  drawOutlinedText(cr, "?", 41.5, 4.5, 12, hex("#ffd65a"), kPandaOutline, 1.0, true);
}

}  // namespace

void paintPanda(cairo_t* cr, const PandaPose& p) {
  Placement f = layout(p);
  // Back to front: far limbs and the scarf's tail sit behind the body.
  scarfTail(cr, f, p);
  leg(cr, f.backHipX, f.hipY, p.back, kFarDarkFur);
  arm(cr, f.backShoulderX, f.shoulderY, p.backArm, 0, kFarDarkFur);
  body(cr, f);
  leg(cr, f.frontHipX, f.hipY, p.front, kDarkFur);
  cairo_save(cr);
  cairo_translate(cr, f.headX, f.headY + kHeadRadius);
  cairo_rotate(cr, p.headTilt);
  cairo_translate(cr, -f.headX, -f.headY - kHeadRadius);
  if (p.side) {
    sideEars(cr, f, false);
    sideHead(cr, f);
    sideEars(cr, f, true);
    paintPandaSideFace(cr, f.headX, f.headY, p.face, kDarkFur.base);
  } else {
    ears(cr, f);
    head(cr, f);
    paintPandaFace(cr, f.headX, f.headY, p.face, kDarkFur.base);
  }
  cairo_restore(cr);
  scarfBand(cr, f, p.side);
  arm(cr, f.frontShoulderX, f.shoulderY, p.frontArm, p.frontArmReach, kDarkFur);
  if (p.question) questionMark(cr);
}

}  // namespace hero
