#pragma once
// What tells goblins apart: colours by breed, body measures by kind.
#include "goblins/ShadedShape.h"

namespace goblins {

using sprite::Tones;

struct BreedLook {
  bool rare;  // rare goblins wear bone armour instead of rags
  Rgb outline;
  Tones skin, innerEar, cloth, bone, blade, wood;
  Rgb eye, pupil, mouth, tooth;
};
// The colours of a breed, a row of goblinSheet::kBreeds.
BreedLook breedLook(int breed);

enum class Weapon { Dagger, Club, Spear };

// Measures in px of a goblin facing right, in a 50 x 50 cell.
struct Build {
  Weapon weapon;
  double hipX;  // from the cell's left edge
  double thigh, shin, legRadius;
  double upperArm, forearm, armRadius;
  double torsoWidth, torsoHeight;
  double headRx, headRy;
  double standHeight;  // hip above the ankles with the feet apart
  double stride;       // walking: how far a foot swings either side of the hip
  double lift;         // walking: how high the swinging foot rises
  double bob;          // walking: how far the hip rises as the legs pass
  double leanScale;    // big bodies lean less for the same effort
};
Build kindBuild(int kind);

}  // namespace goblins
