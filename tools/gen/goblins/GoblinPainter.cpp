#include "goblins/GoblinPainter.h"

#include <cmath>

#include "goblins/GoblinParts.h"

namespace goblins {

using sprite::capsulePath;
using sprite::ellipsePath;
using sprite::Rims;

namespace {
// The cell's bottom edge; feet reach past it a little so rows 48 and 49 are
// solid sprite where the game probes for ground.
const double kSoleY = 50.3;        // px
const double kOutlineBelow = 1.3;  // px of outline under the sole
const double kShaftHandGap = 6;    // px between the two hands on a spear
const Rims kLimbRims{1.2, 0.8};

struct Skeleton {
  Vec hip;
  Vec nearKnee, nearAnkle, farKnee, farAnkle;
  Vec nearShoulder, nearElbow, nearHand;
  Vec farShoulder, farElbow, farHand;
  Vec head;
  Vec weaponBack, weaponFront;
};

double weaponLength(Weapon w) {
  switch (w) {
    case Weapon::Dagger:
      return 13;
    case Weapon::Club:
      return 18;
    default:
      return 28;
  }
}

double footRadius(const Build& b) { return b.legRadius * 0.95; }

// Body joints from the hip up, turned by the lean about the hip.
Vec onBody(const Skeleton& s, const Pose& p, Vec local) { return s.hip + sprite::rotated(local, p.lean); }

Skeleton buildSkeleton(const Build& b, const Pose& p) {
  Skeleton s;
  double ankleY = kSoleY - kOutlineBelow - footRadius(b);
  double groundX = b.hipX + p.hipShift;
  s.hip = {groundX, ankleY - b.standHeight - p.hipRise};
  s.nearAnkle = {groundX + p.nearFoot.x, ankleY - p.nearFoot.y};
  s.farAnkle = {groundX + p.farFoot.x, ankleY - p.farFoot.y};
  s.nearKnee = sprite::middleJoint(s.hip, s.nearAnkle, b.thigh, b.shin, -1);
  s.farKnee = sprite::middleJoint(s.hip, s.farAnkle, b.thigh, b.shin, -1);

  TorsoShape t = torsoShape(b);
  double top = t.centre.y - t.ry;
  s.nearShoulder = onBody(s, p, {b.torsoWidth * 0.05, top + 3.5});
  s.farShoulder = onBody(s, p, {-b.torsoWidth * 0.15, top + 3});
  s.head = onBody(s, p, {b.torsoWidth * 0.18 + 1, top - b.headRy + 4});

  s.nearHand = s.nearShoulder + p.nearHand;
  s.nearElbow = sprite::middleJoint(s.nearShoulder, s.nearHand, b.upperArm, b.forearm, 1);
  Vec along = sprite::fromDown(p.weaponAngle);
  s.weaponBack = s.nearHand - along * p.grip;
  s.weaponFront = s.weaponBack + along * weaponLength(b.weapon);
  s.farHand = p.farHandOnWeapon ? s.nearHand - along * kShaftHandGap : s.farShoulder + p.farHand;
  s.farElbow = sprite::middleJoint(s.farShoulder, s.farHand, b.upperArm, b.forearm, 1);
  return s;
}

void paintLeg(cairo_t* cr, const BreedLook& look, const Build& b, Vec hip, Vec knee, Vec ankle,
              const Tones& skin) {
  double r = b.legRadius;
  auto leg = [&](cairo_t* c) {
    capsulePath(c, hip, knee, r, r * 0.95);
    capsulePath(c, knee, ankle, r * 0.95, r * 0.85);
    capsulePath(c, ankle + Vec{-0.8, 0}, ankle + Vec{2.5 + r, 0.3}, footRadius(b),
                r * 0.75);  // big flat foot
  };
  sprite::paintShaded(cr, leg, skin, look.outline, kLimbRims);
}

void paintArm(cairo_t* cr, const BreedLook& look, const Build& b, Vec shoulder, Vec elbow, Vec hand,
              const Tones& skin) {
  double r = b.armRadius;
  auto arm = [&](cairo_t* c) {
    capsulePath(c, shoulder, elbow, r, r * 0.9);
    capsulePath(c, elbow, hand, r * 0.9, r * 0.85);
    ellipsePath(c, hand, r * 1.2, r * 1.2);
  };
  sprite::paintShaded(cr, arm, skin, look.outline, kLimbRims);
}
}  // namespace

void paintGoblin(cairo_t* cr, const BreedLook& look, const Build& b, const Pose& p) {
  Skeleton s = buildSkeleton(b, p);
  Tones farSkin = sprite::recede(look.skin, look.outline);
  // Back to front: far limbs, near leg, body, head, weapon, then the near arm
  // whose hand closes over the weapon.
  paintArm(cr, look, b, s.farShoulder, s.farElbow, s.farHand, farSkin);
  paintLeg(cr, look, b, s.hip, s.farKnee, s.farAnkle, farSkin);
  paintLeg(cr, look, b, s.hip, s.nearKnee, s.nearAnkle, look.skin);
  cairo_save(cr);
  cairo_translate(cr, s.hip.x, s.hip.y);
  cairo_rotate(cr, p.lean);
  paintTorso(cr, look, b);
  cairo_restore(cr);
  cairo_save(cr);
  cairo_translate(cr, s.head.x, s.head.y);
  cairo_rotate(cr, p.lean * 0.5);
  paintHead(cr, look, b, p.shouting);
  cairo_restore(cr);
  paintWeapon(cr, look, b.weapon, s.weaponBack, s.weaponFront);
  paintArm(cr, look, b, s.nearShoulder, s.nearElbow, s.nearHand, look.skin);
  if (look.rare) paintShoulderPad(cr, look, b, s.nearShoulder);
}

}  // namespace goblins
