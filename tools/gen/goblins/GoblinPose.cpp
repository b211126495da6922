#include "goblins/GoblinPose.h"

#include <cmath>

namespace goblins {

namespace {
const double kPi = 3.14159265358979;
const double kWalkLean = 0.1;      // radians: goblins hunch forward as they walk
const double kArmSwing = 0.7;      // radians each way for a free arm
const double kArmReach = 0.92;     // a hanging hand sits at this share of the arm's length
const double kSpearGripWalk = 7;   // px from the butt: carried low
const double kSpearGripStab = 10;  // px from the butt: thrust from further up

double armLength(const Build& b) { return b.upperArm + b.forearm; }

Vec swingingHand(const Build& b, double angle) {
  return sprite::fromDown(angle) * (armLength(b) * kArmReach);
}

// Ankle of a foot at `phase` of its stride: on the ground sliding back for the
// first half, then lifted and carried forward.
Vec footAt(const Build& b, double phase) {
  phase -= std::floor(phase);
  if (phase < 0.5) return {b.stride * (1 - 4 * phase), 0};
  double s = (phase - 0.5) * 2;
  double eased = (1 - std::cos(kPi * s)) / 2;
  return {-b.stride + 2 * b.stride * eased, b.lift * std::sin(kPi * s)};
}

double gripFor(Weapon w, bool attacking) {
  switch (w) {
    case Weapon::Dagger:
      return 3;
    case Weapon::Club:
      return 2.5;
    default:
      return attacking ? kSpearGripStab : kSpearGripWalk;
  }
}

// One key pose of an attack, in the units of Pose (px and radians).
struct Key {
  double hipRise, hipShift, lean;
  double nearFootX, farFootX;
  Vec nearHand;
  double weaponAngle;
  double farArm;  // swing angle of the free arm; spears hold the shaft instead
  bool shouting;
};

// clang-format off
// Dagger: draw back, raise it by the ear, stab, hold, recover.
const Key kDaggerKeys[] = {
//  rise  shift  lean  feet      hand      weapon  free arm  shout
    {0.0,  0,  0.05,  4, -4,  {5, 8},   1.85,   0.3,  false},
    {-0.5, -1, -0.05, 4, -5,  {-2, 4},  2.3,    0.6,  false},
    {-1.0, -2, -0.15, 5, -5,  {-5, -4}, 2.9,    1.0,  true},
    {0.0,  1,  0.25,  8, -4,  {9, 1},   1.65,  -0.6,  true},
    {-0.3, 2,  0.3,   8, -4,  {9, 2},   1.55,  -0.8,  true},
    {0.0,  1,  0.12,  6, -4,  {7, 6},   1.75,  -0.1,  false},
};
// Club: raise it over the head, smash it down in front, lift it again.
const Key kClubKeys[] = {
    {0.0,  0,  0.05,  4, -4,  {6, 8},   2.3,    0.3,  false},
    {0.0,  -1, -0.05, 4, -4,  {3, 0},   2.9,    0.6,  false},
    {0.0,  -2, -0.15, 4, -5,  {-2, -6}, 3.6,    0.9,  true},
    {0.0,  1,  0.12,  6, -4,  {7, -4},  2.2,   -0.2,  true},
    {-1.0, 2,  0.3,   7, -4,  {8, 6},   1.3,   -0.7,  true},
    {-1.0, 2,  0.28,  7, -4,  {7, 9},   1.0,   -0.6,  false},
    {-0.3, 1,  0.12,  5, -4,  {6, 9},   1.7,    0.0,  false},
};
// Spear: draw back, thrust, hold, pull back.
const Key kSpearKeys[] = {
    {0.0,  0,  0.05,  5, -5,  {2, 7},   1.75,   0,    false},
    {-0.5, -1, -0.05, 5, -6,  {-3, 7},  1.7,    0,    false},
    {-1.0, -2, -0.12, 5, -6,  {-4, 6},  1.68,   0,    true},
    {-0.3, 2,  0.2,   8, -5,  {5, 4},   1.6,    0,    true},
    {-0.6, 3,  0.25,  9, -5,  {5, 4},   1.57,   0,    true},
    {-0.3, 2,  0.15,  8, -5,  {4, 5},   1.62,   0,    false},
    {0.0,  0,  0.08,  6, -5,  {2, 7},   1.7,    0,    false},
};
// clang-format on

// Runs of other lengths stretch or squeeze the keys evenly.
template <size_t N>
const Key& keyAt(const Key (&keys)[N], int frame, int frames) {
  return keys[size_t(frame) * N / size_t(frames)];
}

const Key& attackKey(Weapon w, int frame, int frames) {
  switch (w) {
    case Weapon::Dagger:
      return keyAt(kDaggerKeys, frame, frames);
    case Weapon::Club:
      return keyAt(kClubKeys, frame, frames);
    default:
      return keyAt(kSpearKeys, frame, frames);
  }
}
}  // namespace

Pose walkPose(const Build& b, int frame, int frames) {
  double t = double(frame) / frames;
  double swing = std::cos(2 * kPi * t);  // +1 when the near foot is forward
  Pose p{};
  p.hipRise = b.bob * std::fabs(std::sin(2 * kPi * t));
  p.lean = kWalkLean * b.leanScale;
  p.nearFoot = footAt(b, t);
  p.farFoot = footAt(b, t + 0.5);
  p.farHand = swingingHand(b, kArmSwing * swing);
  p.grip = gripFor(b.weapon, false);
  switch (b.weapon) {
    case Weapon::Dagger: {  // swings with the arm, blade forward and up
      double arm = -kArmSwing * swing;
      p.nearHand = swingingHand(b, arm);
      p.weaponAngle = arm + 1.9;
      break;
    }
    case Weapon::Club:  // too heavy to swing: held up in front, rocking a little
      p.nearHand = {6 - 0.8 * swing, 9};
      p.weaponAngle = 2.05 + 0.1 * swing;
      break;
    case Weapon::Spear:  // carried upright and tipped forward past the nose
      p.nearHand = {9 - 1.5 * swing, 9};
      p.weaponAngle = kPi - 0.4 - 0.06 * swing;
      break;
  }
  return p;
}

Pose attackPose(const Build& b, int frame, int frames) {
  const Key& k = attackKey(b.weapon, frame, frames);
  Pose p{};
  p.hipRise = k.hipRise;
  p.hipShift = k.hipShift;
  p.lean = k.lean * b.leanScale;
  p.nearFoot = {k.nearFootX, 0};
  p.farFoot = {k.farFootX, 0};
  p.nearHand = k.nearHand;
  p.farHand = swingingHand(b, k.farArm);
  p.weaponAngle = k.weaponAngle;
  p.grip = gripFor(b.weapon, true);
  p.farHandOnWeapon = b.weapon == Weapon::Spear;
  p.shouting = k.shouting;
  return p;
}

}  // namespace goblins
