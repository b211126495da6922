#pragma once

namespace hero {
// How the panda stands in one frame. Poses face right; left frames are mirror images.
// Distances are pixels of the 50 x 50 frame, angles radians.

enum class Face { Happy, Eager, Surprised, Fierce, Puzzled };

struct FootPlace {
  double dx;    // px forward (+) or back (-) of the hip
  double lift;  // px above the ground
};

struct PandaPose {
  double bob = 0;       // px the body and head sit lower (+) or higher (-)
  double headDy = 0;    // px the head moves on top of the bob
  double headTilt = 0;  // radians, forward (+) nods the face down-forward
  double crouch = 0;    // 0 standing .. 1 squatting low
  FootPlace front{2, 0}, back{-2, 0};
  double frontArm = 0.45;  // radians from hanging down, forward (+); pi points up
  double backArm = -0.25;
  double frontArmReach = 0;   // px the front arm stretches beyond its rest length
  double scarfStream = 0.15;  // 0 hangs down the back, 1 streams straight back, more lifts it
  double scarfWave = 0;       // radians, phase of the ripple along the scarf tail
  Face face = Face::Happy;
  bool question = false;  // a puzzled "?" beside the head
  // In profile, the snout pointing the way he goes, so the facing reads at a glance;
  // otherwise turned three-quarters to the camera.
  bool side = false;
  double lean = 0;  // px the head sits forward (+) of the body, side poses only
};

// The poses of every frame the game shows, by row.
PandaPose standPose();
PandaPose crouchPose();
PandaPose slidePose();            // in profile: the game shows one frame for standing and sliding
PandaPose runPose(int frame);     // 0..2, in profile
PandaPose airPose(int frame);     // 0..5, in profile: take-off, rise, apex, then falling
PandaPose attackPose(int frame);  // 0..2: wind-up, strike, follow-through
PandaPose puzzledPose();

}  // namespace hero
