#pragma once
// Paints the panda hero facing right into a frame canvas; the caller adds the outline.
#include <cairo.h>

#include "hero/PandaPose.h"
#include "kit/Paint.h"

namespace hero {

constexpr int kPandaFrame = 50;        // px, width and height of a frame in the sheet
constexpr int kPandaPaintedRows = 43;  // rows 0..42 hold the panda; the sole is row 42

extern const Rgb kPandaOutline;

// Paints the panda in `pose` on a canvas kPandaFrame wide and kPandaPaintedRows high.
void paintPanda(cairo_t* cr, const PandaPose& pose);

}  // namespace hero
