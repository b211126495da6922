#pragma once
// Painters for the pictures on the extras sheet. Each paints without its outline; the
// sheet layout adds the outline when it places the picture.
#include <cairo.h>

#include "kit/Paint.h"
#include "platform/Layout.h"

namespace extras {

extern const Rgb kMetalOutline;  // navy, for weapons and the trap
extern const Rgb kWoodOutline;   // deep brown, for everything grown or carved

using extrasSheet::kWeaponLevels;
// The weapon of `level` lying along +x with its grip at the origin, full size.
void paintWeapon(cairo_t* cr, int level);
// px from the grip to the tip of the weapon of `level`.
double weaponReach(int level);

// 50 x 50 pictures, each standing on the bottom row unless said otherwise.
void paintThornBush(cairo_t* cr);
void paintSpikeTrap(cairo_t* cr, int frame);    // 0 open, 1 closing, 2 shut
void paintCagedRabbit(cairo_t* cr, int frame);  // 0 and 1: the two idle frames
void paintFreeRabbit(cairo_t* cr);
void paintNut(cairo_t* cr);  // centred in the cell

// The exit gate on a canvas kGateWidth wide and kGatePaintedRows high: its base is the
// bottom row, 129, which meets the level's floor; the frame's rows below stay empty.
constexpr int kGateWidth = 136, kGatePaintedRows = 130;
void paintGate(cairo_t* cr, bool bright);

}  // namespace extras
