#pragma once
// The pieces of a goblin, each painted in the current cairo space, facing right.
#include <cairo.h>

#include "goblins/GoblinLook.h"

namespace goblins {

using sprite::Vec;

// Head centred on (0, 0).
void paintHead(cairo_t* cr, const BreedLook& look, const Build& build, bool shouting);
// Torso with its rags or armour, hip at (0, 0), up towards -y.
void paintTorso(cairo_t* cr, const BreedLook& look, const Build& build);
// Rare goblins' bone pauldron, over the near shoulder.
void paintShoulderPad(cairo_t* cr, const BreedLook& look, const Build& build, Vec shoulder);
void paintWeapon(cairo_t* cr, const BreedLook& look, Weapon weapon, Vec back, Vec front);

// Torso ellipse in the hip's space, shared by the torso and the skeleton.
struct TorsoShape {
  Vec centre;
  double rx, ry;
};
TorsoShape torsoShape(const Build& build);

}  // namespace goblins
