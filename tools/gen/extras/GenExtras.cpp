// The extras sheet: weapon indicators, hazards, the exit gate, animals and the nut.
// Everything not painted becomes the magenta colour key.
#include <cmath>

#include "Generators.h"
#include "extras/ExtrasPainter.h"
#include "kit/SpriteKit.h"
#include "platform/Layout.h"

namespace extras {
namespace {

using namespace extrasSheet;
constexpr int kOutlineWidth = 1;  // px
const Rgb kKey = hex("#ff00ff");
const Rgb kSwoosh = hex("#f4fbff");
const Rgb kSwooshEdge = hex("#7d9cc4");  // a soft blue, lighter than a sprite outline

// Paints one picture on a fresh w x h canvas and places it at (x, y) with an outline
// `outlineWidth` px wide. Nothing can spill out of the canvas into a neighbour.
template <typename Paint>
void place(cairo_t* sheet, int x, int y, int w, int h, Rgb outline, int outlineWidth, bool mirrored,
           Paint paint) {
  cairo_surface_t* canvas = newCanvas(w, h);
  cairo_t* cr = cairo_create(canvas);
  paint(cr);
  cairo_destroy(cr);
  kit::stampOutlined(sheet, canvas, x, y, outline, outlineWidth, mirrored);
  cairo_surface_destroy(canvas);
}

template <typename Paint>
void placeCell(cairo_t* sheet, int x, int y, Rgb outline, Paint paint) {
  place(sheet, x, y, kCell, kCell, outline, kOutlineWidth, false, paint);
}

// Shown above the hero's head while not attacking: small, upright, off to the right so
// the health bar in the middle stays clear.
constexpr double kIdleGripX = 36, kIdleGripY = 22;  // px in the cell
constexpr double kIdleScale = 0.66;
constexpr double kIdleTilt = 0.3;  // radians from upright, leaning right

void idleWeapon(cairo_t* cr, int level) {
  cairo_translate(cr, kIdleGripX, kIdleGripY);
  cairo_rotate(cr, -M_PI / 2 + kIdleTilt);
  cairo_scale(cr, kIdleScale, kIdleScale);
  paintWeapon(cr, level);
}

// Swung out level in front of the hero; the game places this cell 20 px ahead of the
// hero's frame and 10 px up, so the grip lands at the hero's outstretched paw.
constexpr double kSwingGripX = 15, kSwingGripY = 37;  // px in the cell

void swungWeapon(cairo_t* cr, int level) {
  cairo_translate(cr, kSwingGripX, kSwingGripY);
  paintWeapon(cr, level);
}

// Speed lines above the blade: the arc it has just swept down through.
void swoosh(cairo_t* cr, int level) {
  constexpr double kFrom = -1.45, kTo = -0.2;  // radians, from overhead down to the blade
  constexpr int kLines = 3;
  constexpr double kGap = 4.0;  // px between the lines
  double reach = weaponReach(level);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  setColour(cr, kSwoosh);
  for (int i = 0; i < kLines; ++i) {
    double r = reach - 2 - i * kGap;
    cairo_set_line_width(cr, 2.0 - i * 0.4);
    cairo_new_path(cr);
    cairo_arc(cr, kSwingGripX, kSwingGripY, r, kFrom + i * 0.25, kTo);
    cairo_stroke(cr);
  }
}

// Each level idle over the head, then swung right and swung left (mirrored).
void placeWeapons(cairo_t* sheet) {
  for (int level = 0; level < kWeaponLevels; ++level) {
    const WeaponCells& cells = kWeapons[level];
    int row = cells.row;
    placeCell(sheet, cells.idle, row, kMetalOutline, [&](cairo_t* cr) { idleWeapon(cr, level); });
    for (bool left : {false, true}) {
      int x = left ? cells.swungLeft : cells.swungRight;
      // The swoosh goes under the weapon, with a softer edge than a solid thing.
      place(sheet, x, row, kCell, kCell, kSwooshEdge, kOutlineWidth, left,
            [&](cairo_t* cr) { swoosh(cr, level); });
      place(sheet, x, row, kCell, kCell, kMetalOutline, kOutlineWidth, left,
            [&](cairo_t* cr) { swungWeapon(cr, level); });
    }
  }
}

void placePickups(cairo_t* sheet) {
  placeCell(sheet, kThorn.x, kThorn.y, kWoodOutline, paintThornBush);
  for (int frame = 0; frame < kTrap.frames; ++frame) {
    placeCell(sheet, kTrap.x + frame * kCell, kTrap.y, kMetalOutline,
              [&](cairo_t* cr) { paintSpikeTrap(cr, frame); });
  }
  for (int frame = 0; frame < kCagedAnimal.frames; ++frame) {
    placeCell(sheet, kCagedAnimal.x + frame * kCell, kCagedAnimal.y, kWoodOutline,
              [&](cairo_t* cr) { paintCagedRabbit(cr, frame); });
  }
  placeCell(sheet, kFreedAnimal.x, kFreedAnimal.y, kWoodOutline, paintFreeRabbit);
  placeCell(sheet, kNut.x, kNut.y, kWoodOutline, paintNut);
}

// The game reads the second gate frame from x 143, seven columns into the first frame's
// space, so each gate keeps to x 7..142 of its own 150-wide frame.
constexpr int kGateInset = kExit[0].x + kExit[0].w - kExit[1].x;  // px: 7

void placeGates(cairo_t* sheet) {
  for (int frame = 0; frame < 2; ++frame) {
    place(sheet, kExit[frame].x + kGateInset, kExit[frame].y, kGateWidth, kGatePaintedRows, kWoodOutline,
          kOutlineWidth, false, [&](cairo_t* cr) { paintGate(cr, frame == 0); });
  }
}

}  // namespace
}  // namespace extras

void generateExtras(const std::string& gameDir) {
  cairo_surface_t* canvas = newCanvas(extrasSheet::kWidth, extrasSheet::kHeight);
  cairo_t* sheet = cairo_create(canvas);
  extras::placeWeapons(sheet);
  extras::placePickups(sheet);
  extras::placeGates(sheet);
  cairo_destroy(sheet);
  saveKeyed(canvas, gameDir + "/pics/extrasAnimalsSprites.png", extras::kKey);
  cairo_surface_destroy(canvas);
}
