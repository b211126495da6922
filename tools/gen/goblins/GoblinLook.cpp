#include "goblins/GoblinLook.h"

#include "platform/Layout.h"

namespace goblins {

namespace {
Tones tones(const char* base, const char* light, const char* shade) {
  return {hex(base), hex(light), hex(shade)};
}
}  // namespace

BreedLook breedLook(int breed) {
  const bool rare = breed == goblinSheet::kRareBreed;
  BreedLook look;
  look.rare = rare;
  look.bone = tones("#e4d8b8", "#fbf5e2", "#b8a67f");
  look.wood = tones("#6b4028", "#94603a", "#452818");
  look.tooth = hex("#fbf5e2");
  if (rare) {
    look.outline = hex("#1f1a33");  // deep navy
    look.skin = tones("#8a7c9c", "#b0a3c0", "#635675");
    look.innerEar = tones("#b07a96", "#c896ae", "#8a5a75");
    look.cloth = tones("#3e3652", "#564c6e", "#2b2540");
    look.blade = look.bone;  // bone knives and spear points
    look.eye = hex("#ff7a4a");
    look.pupil = hex("#5a0d10");
    look.mouth = hex("#3a1630");
  } else {
    look.outline = hex("#2b1d14");  // deep brown
    look.skin = tones("#6aa83a", "#96cf5c", "#467a26");
    look.innerEar = tones("#c9806a", "#e0a08a", "#a05f4d");
    look.cloth = tones("#8f6e45", "#b08d5e", "#654a2c");
    look.blade = tones("#b9c4c9", "#eef3f5", "#7f8b91");
    look.eye = hex("#f6e27a");
    look.pupil = hex("#2b1d14");
    look.mouth = hex("#4a1d18");
  }
  return look;
}

Build kindBuild(int kind) {
  Build b;
  switch (kind) {
    case 0:  // small and quick
      b.weapon = Weapon::Dagger;
      b.hipX = 24;
      b.thigh = 5.0, b.shin = 5.5, b.legRadius = 2.2;
      b.upperArm = 5.0, b.forearm = 5.0, b.armRadius = 1.9;
      b.torsoWidth = 12, b.torsoHeight = 12;
      b.headRx = 8.0, b.headRy = 7.0;
      b.standHeight = 8.8, b.stride = 5.0, b.lift = 3.0, b.bob = 1.0;
      b.leanScale = 1.0;
      break;
    case 1:  // broad and stocky
      b.weapon = Weapon::Club;
      b.hipX = 23;
      b.thigh = 6.0, b.shin = 6.0, b.legRadius = 3.0;
      b.upperArm = 6.5, b.forearm = 6.0, b.armRadius = 2.4;
      b.torsoWidth = 20, b.torsoHeight = 15;
      b.headRx = 8.5, b.headRy = 7.5;
      b.standHeight = 11.0, b.stride = 5.0, b.lift = 3.0, b.bob = 0.8;
      b.leanScale = 0.6;
      break;
    default:  // tall and thin
      b.weapon = Weapon::Spear;
      b.hipX = 20;
      b.thigh = 8.5, b.shin = 8.5, b.legRadius = 2.1;
      b.upperArm = 7.5, b.forearm = 7.0, b.armRadius = 1.9;
      b.torsoWidth = 12, b.torsoHeight = 15;
      b.headRx = 7.5, b.headRy = 6.5;
      b.standHeight = 15.4, b.stride = 6.5, b.lift = 3.5, b.bob = 1.0;
      b.leanScale = 0.8;
      break;
  }
  return b;
}

}  // namespace goblins
