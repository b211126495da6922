// The panda's face: eye patches with big shiny eyes, a nose and a mouth for each mood.
#include "hero/PandaFace.h"

#include "hero/PandaPainter.h"
#include "kit/SpriteKit.h"

namespace hero {

using namespace kit;

namespace {

const Rgb kBlush = hex("#f19a9a");
const Rgb kMouth = hex("#6b2232");
const Rgb kTongue = hex("#e0707a");
const Rgb kEyeWhite = hex("#ffffff");

void eye(cairo_t* cr, double x, double y, double patchTilt, Face face, bool far, Rgb patch) {
  setColour(cr, patch);
  ellipsePath(cr, x, y + 0.6, far ? 3.3 : 3.7, 4.6, patchTilt);
  cairo_fill(cr);
  if (face == Face::Puzzled && far) {  // one eye squints
    setColour(cr, kEyeWhite);
    cairo_set_line_width(cr, 1.1);
    cairo_move_to(cr, x - 1.6, y + 0.4);
    cairo_line_to(cr, x + 1.8, y - 0.2);
    cairo_stroke(cr);
    return;
  }
  double r = face == Face::Surprised ? 2.9 : 2.6;
  setColour(cr, kEyeWhite);
  ellipsePath(cr, x + 0.3, y, r, r + 0.3);
  cairo_fill(cr);
  setColour(cr, kPandaOutline);
  ellipsePath(cr, x + 0.9, y + 0.2, 2.0, 2.3);
  cairo_fill(cr);
  setColour(cr, kEyeWhite);
  ellipsePath(cr, x + 0.4, y - 0.8, 0.95, 0.95);
  ellipsePath(cr, x + 1.7, y + 1.2, 0.45, 0.45);
  cairo_fill(cr);
  if (face == Face::Fierce) {      // a determined brow: the patch cuts the top of the eye, lowest inside
    double in = far ? -1.0 : 1.0;  // towards the middle of the face
    setColour(cr, patch);
    cairo_move_to(cr, x - 3.0 * in, y - 3.4);
    cairo_line_to(cr, x + 3.0 * in, y - 3.4);
    cairo_line_to(cr, x + 3.0 * in, y - 0.6);
    cairo_line_to(cr, x - 3.0 * in, y - 2.4);
    cairo_close_path(cr);
    cairo_fill(cr);
  }
}

void mouth(cairo_t* cr, double x, double y, Face face) {
  setColour(cr, kPandaOutline);
  cairo_set_line_width(cr, 0.9);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  switch (face) {
    case Face::Happy:
      cairo_move_to(cr, x - 2.0, y + 0.2);
      cairo_curve_to(cr, x - 1.2, y + 1.6, x - 0.2, y + 1.4, x, y + 0.4);
      cairo_curve_to(cr, x + 0.2, y + 1.4, x + 1.2, y + 1.6, x + 2.0, y + 0.2);
      cairo_stroke(cr);
      break;
    case Face::Eager:
    case Face::Fierce:
      setColour(cr, kMouth);
      cairo_move_to(cr, x - 2.2, y);
      cairo_line_to(cr, x + 2.4, y);
      cairo_curve_to(cr, x + 2.2, y + 3.0, x - 2.0, y + 3.0, x - 2.2, y);
      cairo_fill(cr);
      setColour(cr, kTongue);
      ellipsePath(cr, x + 0.2, y + 1.8, 1.2, 0.7);
      cairo_fill(cr);
      break;
    case Face::Surprised:
      setColour(cr, kMouth);
      ellipsePath(cr, x + 0.2, y + 1.0, 1.2, 1.5);
      cairo_fill(cr);
      break;
    case Face::Puzzled:
      cairo_move_to(cr, x - 2.0, y + 1.0);
      cairo_curve_to(cr, x - 1.0, y - 0.2, x, y + 2.0, x + 2.2, y + 0.6);
      cairo_stroke(cr);
      break;
  }
}

// Under the muzzle, from the corner of the mouth forward.
void sideMouth(cairo_t* cr, double x, double y, Face face) {
  setColour(cr, kPandaOutline);
  cairo_set_line_width(cr, 0.9);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  switch (face) {
    case Face::Happy:
    case Face::Puzzled:
      cairo_move_to(cr, x - 2.2, y - 0.6);
      cairo_curve_to(cr, x - 1.2, y + 0.8, x + 0.6, y + 0.8, x + 1.8, y + 0.2);
      cairo_stroke(cr);
      break;
    case Face::Eager:
    case Face::Fierce:
      setColour(cr, kMouth);
      cairo_move_to(cr, x - 2.2, y - 0.8);
      cairo_line_to(cr, x + 2.2, y + 0.2);
      cairo_curve_to(cr, x + 1.6, y + 2.6, x - 1.4, y + 2.4, x - 2.2, y - 0.8);
      cairo_fill(cr);
      setColour(cr, kTongue);
      ellipsePath(cr, x + 0.2, y + 1.3, 1.0, 0.6);
      cairo_fill(cr);
      break;
    case Face::Surprised:
      setColour(cr, kMouth);
      ellipsePath(cr, x + 0.4, y + 0.8, 1.1, 1.4);
      cairo_fill(cr);
      break;
  }
}

}  // namespace

void paintPandaFace(cairo_t* cr, double hx, double hy, Face expression, Rgb patch) {
  setColour(cr, kBlush, 0.8);
  ellipsePath(cr, hx - 6.8, hy + 4.6, 1.8, 1.1);
  cairo_fill(cr);
  ellipsePath(cr, hx + 9.0, hy + 4.4, 1.4, 1.1);
  cairo_fill(cr);
  eye(cr, hx - 3.6, hy + 0.2, 0.45, expression, false, patch);
  eye(cr, hx + 5.6, hy + 0.0, -0.35, expression, true, patch);
  // Nose: a small rounded triangle, a touch towards the way the panda faces.
  double nx = hx + 1.6, ny = hy + 4.6;
  setColour(cr, kPandaOutline);
  cairo_move_to(cr, nx - 1.6, ny - 0.7);
  cairo_line_to(cr, nx + 1.6, ny - 0.7);
  cairo_line_to(cr, nx, ny + 0.9);
  cairo_close_path(cr);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_width(cr, 0.8);
  cairo_stroke_preserve(cr);
  cairo_fill(cr);
  mouth(cr, nx, ny + 1.6, expression);
}

void paintPandaSideFace(cairo_t* cr, double hx, double hy, Face expression, Rgb patch) {
  setColour(cr, kBlush, 0.8);
  ellipsePath(cr, hx + 2.6, hy + 5.4, 1.9, 1.1);
  cairo_fill(cr);
  // The patch droops from above the eye down towards the muzzle.
  setColour(cr, patch);
  ellipsePath(cr, hx + 4.4, hy + 0.8, 3.6, 5.0, -0.6);
  cairo_fill(cr);
  eye(cr, hx + 4.2, hy - 0.4, -0.5, expression, false, patch);
  // Nose: a round button on the tip of the muzzle.
  setColour(cr, kPandaOutline);
  ellipsePath(cr, hx + 13.4, hy + 1.8, 1.9, 1.5, 0.3);
  cairo_fill(cr);
  sideMouth(cr, hx + 10.8, hy + 5.2, expression);
}

}  // namespace hero
