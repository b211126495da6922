#pragma once
// Where a goblin's limbs and weapon are in one frame of an animation.
#include "goblins/GoblinLook.h"

namespace goblins {

using sprite::Vec;

struct Pose {
  double hipRise;         // px the hip sits above its standing height
  double hipShift;        // px the hip moves forward
  double lean;            // radians the body tips forward
  Vec nearFoot, farFoot;  // ankle from the hip's ground point: x forward, y lift (up positive)
  Vec nearHand, farHand;  // hand from its shoulder, screen axes
  double weaponAngle;     // radians from pointing straight down, forward positive
  double grip;            // px from the weapon's back end to the hand
  bool farHandOnWeapon;   // both hands on the shaft
  bool shouting;
};

// Frame `frame` of a walking cycle of `frames` frames.
Pose walkPose(const Build& build, int frame, int frames);
// Frame `frame` of an attack of `frames` frames: wind up, strike, recover.
Pose attackPose(const Build& build, int frame, int frames);

}  // namespace goblins
