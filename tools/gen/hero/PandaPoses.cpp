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

// Three frames: stride, passing step with the body up, the other stride.
PandaPose runPose(int frame) {
  PandaPose p;
  p.face = Face::Eager;
  p.headTilt = 0.06;
  p.scarfStream = 0.85;
  p.scarfWave = frame * 2.1;
  switch (frame) {
    case 0:
      p.bob = 1.0;
      p.front = {6.5, 0};
      p.back = {-6.0, 1.5};
      p.frontArm = -0.8;
      p.backArm = 0.9;
      break;
    case 1:
      p.bob = 0.0;
      p.front = {1.0, 0};
      p.back = {-1.5, 4.5};
      p.frontArm = 0.55;
      p.backArm = -0.5;
      p.scarfStream = 0.95;
      break;
    default:
      p.bob = 1.0;
      p.front = {-5.0, 1.5};
      p.back = {7.0, 0};
      p.frontArm = 0.9;
      p.backArm = -0.8;
      break;
  }
  return p;
}

// Six frames that loop while airborne: take-off, rise, apex, then three of falling.
PandaPose airPose(int frame) {
  PandaPose p;
  switch (frame) {
    case 0:  // push off: legs stretched behind, arms swinging
      p.bob = 0.5;
      p.front = {1.0, 1.5};
      p.back = {-4.0, 0.5};
      p.frontArm = 1.2;
      p.backArm = -1.0;
      p.scarfStream = 0.1;
      p.face = Face::Eager;
      break;
    case 1:  // rise: arms up and out, legs drawn in, the scarf dragged down
      p.bob = 0.0;
      p.front = {3.5, 5.0};
      p.back = {-2.0, 3.0};
      p.frontArm = 2.0;
      p.backArm = -2.1;
      p.scarfStream = -0.1;
      p.face = Face::Eager;
      break;
    case 2:  // apex: tucked up, arms spread, the scarf floats
      p.bob = 0.0;
      p.front = {4.0, 6.0};
      p.back = {-2.5, 5.5};
      p.frontArm = 1.7;
      p.backArm = -1.7;
      p.scarfStream = 0.9;
      p.scarfWave = 1.0;
      p.face = Face::Happy;
      break;
    case 3:  // falling: legs let down, arms flung up, the scarf streams up
      p.bob = 0.5;
      p.front = {2.5, 3.0};
      p.back = {-3.0, 4.0};
      p.frontArm = 2.0;
      p.backArm = -2.4;
      p.scarfStream = 1.5;
      p.scarfWave = 2.0;
      p.face = Face::Surprised;
      break;
    case 4:
      p.bob = 0.5;
      p.front = {2.0, 2.0};
      p.back = {-2.5, 2.5};
      p.frontArm = 1.8;
      p.backArm = -2.2;
      p.scarfStream = 1.6;
      p.scarfWave = 3.5;
      p.face = Face::Surprised;
      break;
    default:  // reaching for the ground
      p.bob = 0.5;
      p.front = {3.0, 1.0};
      p.back = {-2.5, 1.5};
      p.frontArm = 1.5;
      p.backArm = -1.6;
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
