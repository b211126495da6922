// The panda hero as painted on the screens (see ScreenArt.h). Drawn in units where the panda is
// about 100 tall, with the origin between its feet.
#include <algorithm>
#include <cmath>

#include "screens/ScreenArt.h"

namespace scr {

namespace {

const Tone kWhite = {hex("#f4f2ec"), hex("#ffffff"), hex("#cdd2de"), hex("#1f2336")};
const Tone kBlack = {hex("#2b2833"), hex("#4c4858"), hex("#17151c"), hex("#12101a")};
const Tone kScarf = {hex("#c8452c"), hex("#e8704f"), hex("#8e2e1f"), hex("#3a1a12")};

struct PandaPen {
  cairo_t* cr;
  double lw;  // outline width in panda units
};

void part(const PandaPen& pen, const Tone& tone, double x, double y, double rx, double ry, double angle) {
  cairo_new_path(pen.cr);
  ellipsePath(pen.cr, x, y, rx, ry, angle);
  double r = std::min(rx, ry);
  fillToned(pen.cr, tone, pen.lw, r * 0.3, r * 0.12);
}

void scarfTail(const PandaPen& pen) {
  cairo_t* cr = pen.cr;
  cairo_new_path(cr);
  cairo_move_to(cr, -6, -50);
  cairo_curve_to(cr, -20, -50, -30, -58, -46, -50);
  cairo_line_to(cr, -42, -44);
  cairo_line_to(cr, -48, -39);
  cairo_curve_to(cr, -32, -46, -22, -40, -8, -42);
  cairo_close_path(cr);
  fillToned(cr, kScarf, pen.lw, 2.5, 1);
}

void scarfBand(const PandaPen& pen) {
  cairo_t* cr = pen.cr;
  cairo_new_path(cr);
  cairo_move_to(cr, -23, -53);
  cairo_curve_to(cr, -10, -46, 10, -46, 23, -53);
  cairo_line_to(cr, 22, -45);
  cairo_curve_to(cr, 10, -38, -10, -38, -22, -45);
  cairo_close_path(cr);
  fillToned(cr, kScarf, pen.lw, 2.5, 1);
  part(pen, kScarf, -10, -42, 5, 4, 0.3);  // the knot
}

void arms(const PandaPen& pen, PandaPose pose) {
  // Each arm: centre and angle; the raised ones point up and out.
  double lx = -25, ly = -34, la = 0.35, rx = 25, ry = -34, ra = -0.35;
  if (pose == PandaPose::Wave || pose == PandaPose::Cheer) rx = 31, ry = -58, ra = -0.5;
  if (pose == PandaPose::Cheer) lx = -40, ly = -80, la = -0.6, rx = 40, ry = -80, ra = 0.6;
  part(pen, kBlack, lx, ly, 8.5, 15, la);
  part(pen, kBlack, rx, ry, 8.5, 15, ra);
}

void face(const PandaPen& pen) {
  cairo_t* cr = pen.cr;
  for (int side = -1; side <= 1; side += 2) {
    part(pen, kBlack, side * 11.5, -72.5, 8, 10.5, -side * 0.5);
    cairo_new_path(cr);
    ellipsePath(cr, side * 10.5, -74, 4.8, 5.2);
    setColour(cr, hex("#fbfaf5"));
    cairo_fill(cr);
    ellipsePath(cr, side * 10.5 + side * 0.6, -73.6, 3.3, 3.7);
    setColour(cr, hex("#14121a"));
    cairo_fill(cr);
    ellipsePath(cr, side * 10.5 - 1.2, -75.4, 1.3, 1.3);
    setColour(cr, hex("#ffffff"));
    cairo_fill(cr);
    ellipsePath(cr, side * 18.5, -62, 4.2, 2.6);
    setColour(cr, hex("#f19a9a"), 0.65);
    cairo_fill(cr);
  }
  cairo_new_path(cr);
  ellipsePath(cr, 0, -64.5, 4.2, 2.9);
  setColour(cr, hex("#1f1a24"));
  cairo_fill(cr);
  cairo_move_to(cr, -5, -60.5);  // a small smile
  cairo_curve_to(cr, -3, -58, -1, -58, 0, -60.5);
  cairo_curve_to(cr, 1, -58, 3, -58, 5, -60.5);
  setColour(cr, hex("#1f1a24"));
  cairo_set_line_width(cr, 1.3);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_stroke(cr);
}

}  // namespace

void paintPanda(cairo_t* cr, double cx, double feetY, double scale, PandaPose pose) {
  cairo_save(cr);
  cairo_translate(cr, cx, feetY);
  cairo_scale(cr, scale, scale);
  PandaPen pen{cr, std::clamp(1.1 * scale, 1.2, 2.6) / scale};
  cairo_new_path(cr);  // soft shadow on the ground
  ellipsePath(cr, 0, 1, 32, 4);
  cairo_set_source_rgba(cr, 0.05, 0.08, 0.05, 0.25);
  cairo_fill(cr);
  scarfTail(pen);
  part(pen, kBlack, -13, -9, 11, 10, 0.1);
  part(pen, kBlack, 13, -9, 11, 10, -0.1);
  part(pen, kWhite, 0, -31, 27, 25, 0);
  arms(pen, pose);
  part(pen, kBlack, -20, -93, 9.5, 9, 0);
  part(pen, kBlack, 20, -93, 9.5, 9, 0);
  part(pen, kWhite, 0, -72, 29, 26, 0);
  scarfBand(pen);
  face(pen);
  cairo_restore(cr);
}

}  // namespace scr
