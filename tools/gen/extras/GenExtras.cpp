// The extras sheet: weapon indicators, hazards, the exit gate, animals and the nut.
// Everything not painted becomes the magenta colour key.
#include <cmath>

#include "Generators.h"
#include "extras/ExtrasPainter.h"
#include "kit/SpriteKit.h"

namespace extras {
namespace {

constexpr int kSheetWidth = 450, kSheetHeight = 600;  // px
constexpr int kCell = 50;                             // px, the small pictures are square
constexpr int kOutlineWidth = 1;                      // px
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

// Levels 0..2 on row 0 and 3..5 on row 50: idle at x 0/50/100, swung right at 150/200/250
// and swung left at 400/350/300.
void placeWeapons(cairo_t* sheet) {
  for (int level = 0; level < kWeaponLevels; ++level) {
    int row = level / 3 * kCell, i = level % 3;
    placeCell(sheet, i * kCell, row, kMetalOutline, [&](cairo_t* cr) { idleWeapon(cr, level); });
    for (bool left : {false, true}) {
      int x = left ? (8 - i) * kCell : (3 + i) * kCell;
      // The swoosh goes under the weapon, with a softer edge than a solid thing.
      place(sheet, x, row, kCell, kCell, kSwooshEdge, kOutlineWidth, left,
            [&](cairo_t* cr) { swoosh(cr, level); });
      place(sheet, x, row, kCell, kCell, kMetalOutline, kOutlineWidth, left,
            [&](cairo_t* cr) { swungWeapon(cr, level); });
    }
  }
}

void placePickups(cairo_t* sheet) {
  placeCell(sheet, 0, 150, kWoodOutline, paintThornBush);
  for (int frame = 0; frame < 3; ++frame) {
    placeCell(sheet, frame * kCell, 250, kMetalOutline, [&](cairo_t* cr) { paintSpikeTrap(cr, frame); });
  }
  for (int frame = 0; frame < 2; ++frame) {
    placeCell(sheet, frame * kCell, 500, kWoodOutline, [&](cairo_t* cr) { paintCagedRabbit(cr, frame); });
  }
  placeCell(sheet, 100, 500, kWoodOutline, paintFreeRabbit);
  placeCell(sheet, 0, 550, kWoodOutline, paintNut);
}

// The game reads the second gate frame from x 143, seven columns into the first frame's
// space, so each gate keeps to x 7..142 of its own 150-wide frame.
constexpr int kGateY = 350;
constexpr int kGateFrameX[2] = {0, 143};  // px, where the game reads each frame
constexpr int kGateInset = 7;             // px

void placeGates(cairo_t* sheet) {
  for (int frame = 0; frame < 2; ++frame) {
    place(sheet, kGateFrameX[frame] + kGateInset, kGateY, kGateWidth, kGatePaintedRows, kWoodOutline,
          kOutlineWidth, false, [&](cairo_t* cr) { paintGate(cr, frame == 0); });
  }
}

}  // namespace
}  // namespace extras

void generateExtras(const std::string& gameDir) {
  cairo_surface_t* canvas = newCanvas(extras::kSheetWidth, extras::kSheetHeight);
  cairo_t* sheet = cairo_create(canvas);
  extras::placeWeapons(sheet);
  extras::placePickups(sheet);
  extras::placeGates(sheet);
  cairo_destroy(sheet);
  saveKeyed(canvas, gameDir + "/pics/extrasAnimalsSprites.png", extras::kKey);
  cairo_surface_destroy(canvas);
}
