#pragma once
#include <cairo.h>

#include "hero/PandaPose.h"
#include "kit/Paint.h"

namespace hero {

// Paints the face of a head centred at (headX, headY), looking right; `patch` colours
// the eye patches.
void paintPandaFace(cairo_t* cr, double headX, double headY, Face face, Rgb patch);

// The same face in profile, looking right: one eye patch, the nose on the muzzle's tip.
void paintPandaSideFace(cairo_t* cr, double headX, double headY, Face face, Rgb patch);

}  // namespace hero
