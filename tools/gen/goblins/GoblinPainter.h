#pragma once
// Paints one goblin in one pose into a 50 x 50 cell at the origin, facing right.
#include <cairo.h>

#include "goblins/GoblinLook.h"
#include "goblins/GoblinPose.h"

namespace goblins {

void paintGoblin(cairo_t* cr, const BreedLook& look, const Build& build, const Pose& pose);

}  // namespace goblins
