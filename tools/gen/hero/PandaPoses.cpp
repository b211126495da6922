#include <cmath>

#include "hero/PandaPose.h"

namespace hero {

PandaPose standPose() { return PandaPose{}; }

PandaPose crouchPose() {
  PandaPose p;
  p.crouch = 1.0;
  p.front = {3.5, 0};
  p.back = {-3.5, 0};
  p.frontArm = 0.9;
  p.backArm = 0.6;
  p.scarfStream = 0.05;
  return p;
}

// Standing still and sliding share one frame: side-on, feet planted a little apart, so
// the way he faces shows even at rest.
PandaPose slidePose() {
  PandaPose p;
  p.side = true;
  p.front = {1.5, 0};
  p.back = {-3.0, 0};
  p.frontArm = 0.9;
  p.backArm = -0.3;
  p.scarfStream = 0.3;
  return p;
}

// Three frames, side-on and leaning into the run: the near leg reaching ahead, both legs
// gathered under the body in the bound, the far leg reaching ahead; the arms swing against the legs.
PandaPose runPose(int frame) {
  PandaPose p;
  p.side = true;
  p.face = Face::Eager;
  p.lean = 1.5;
  p.headTilt = 0.08;
  p.scarfStream = 0.9;
  p.scarfWave = frame * 2.1;
  switch (frame) {
    case 0:
      p.bob = 1.0;
      p.front = {6.5, 0.5};
      p.back = {-6.0, 2.5};
      p.frontArm = -0.9;
      p.backArm = 1.0;
      break;
    case 1:
      p.bob = -0.5;
      p.front = {1.5, 4.0};
      p.back = {-1.5, 1.5};
      p.frontArm = 0.2;
      p.backArm = -0.1;
      p.scarfStream = 1.0;
      break;
    default:
      p.bob = 1.0;
      p.front = {-6.0, 2.5};
      p.back = {7.0, 0};
      p.frontArm = 1.0;
      p.backArm = -0.9;
      break;
  }
  return p;
}

// Six frames, side-on, that loop while airborne: take-off, rise, apex, then three of falling.
PandaPose airPose(int frame) {
  PandaPose p;
  p.side = true;
  p.lean = 1.0;
  switch (frame) {
    case 0:  // push off: the near leg kicks back, the far knee comes up, the near arm swings ahead
      p.bob = 0.5;
      p.front = {-4.0, 0.5};
      p.back = {4.0, 3.0};
      p.frontArm = 1.7;
      p.backArm = -0.9;
      p.scarfStream = 0.3;
      p.face = Face::Eager;
      break;
    case 1:  // rise: the near knee up ahead, the far leg trailing, arms out, the scarf dragged down
      p.bob = 0.0;
      p.front = {4.5, 5.0};
      p.back = {-3.5, 3.0};
      p.frontArm = 2.0;
      p.backArm = -1.6;
      p.scarfStream = -0.1;
      p.face = Face::Eager;
      break;
    case 2:  // apex: tucked up, arms spread, the scarf floats
      p.bob = 0.0;
      p.front = {3.5, 6.0};
      p.back = {-1.5, 5.5};
      p.frontArm = 1.8;
      p.backArm = -1.9;
      p.scarfStream = 0.9;
      p.scarfWave = 1.0;
      p.face = Face::Happy;
      break;
    case 3:  // falling: legs let down, arms flung out (not up, where they would hide the face), the scarf
             // streams up
      p.bob = 0.5;
      p.front = {2.5, 3.0};
      p.back = {-2.5, 4.0};
      p.frontArm = 2.1;
      p.backArm = -2.1;
      p.scarfStream = 1.5;
      p.scarfWave = 2.0;
      p.face = Face::Surprised;
      break;
    case 4:
      p.bob = 0.5;
      p.front = {3.0, 2.0};
      p.back = {-2.0, 2.5};
      p.frontArm = 2.0;
      p.backArm = -2.0;
      p.scarfStream = 1.6;
      p.scarfWave = 3.5;
      p.face = Face::Surprised;
      break;
    default:  // reaching for the ground with the near foot, arms out ahead
      p.bob = 0.5;
      p.front = {4.5, 1.0};
      p.back = {-2.0, 1.5};
      p.frontArm = 1.4;
      p.backArm = 0.8;
      p.scarfStream = 1.5;
      p.scarfWave = 5.0;
      p.face = Face::Eager;
      break;
  }
  return p;
}

// The weapon itself is drawn by the game beside the panda, held out level; the paw
// cocks back, thrusts ahead and sweeps through.
PandaPose attackPose(int frame) {
  PandaPose p;
  p.face = Face::Fierce;
  p.front = {5.5, 0};
  p.back = {-5.0, 0};
  switch (frame) {
    case 0:  // wind-up: paw drawn back across the body, leaning back
      p.headTilt = -0.1;
      p.bob = 0.5;
      p.frontArm = -1.4;
      p.frontArmReach = 2.5;
      p.backArm = 1.0;
      p.scarfStream = 0.3;
      break;
    case 1:  // strike: paw thrust straight ahead
      p.headTilt = 0.1;
      p.bob = 0.5;
      p.frontArm = M_PI / 2;
      p.frontArmReach = 1.0;
      p.backArm = -0.9;
      p.scarfStream = 0.9;
      p.scarfWave = 1.5;
      break;
    default:  // follow-through: paw swept on, down and forward
      p.headTilt = 0.16;
      p.bob = 1.0;
      p.front = {6.0, 0};
      p.frontArm = 0.8;
      p.frontArmReach = 2.0;
      p.backArm = -1.2;
      p.scarfStream = 1.1;
      p.scarfWave = 3.0;
      p.face = Face::Eager;
      break;
  }
  return p;
}

// A shrug with a "?" for the frame the game shows when its flags make no sense.
PandaPose puzzledPose() {
  PandaPose p;
  p.face = Face::Puzzled;
  p.frontArm = 1.95;
  p.backArm = -1.95;
  p.headTilt = -0.06;
  p.question = true;
  return p;
}

}  // namespace hero
