// Colours, the seeded generator and toned shapes for the screens (see ScreenArt.h).
#include <algorithm>
#include <cmath>

#include "screens/ScreenArt.h"

namespace scr {

Rgb mix(Rgb a, Rgb b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

double Rng::next() {
  state_ ^= state_ << 13;
  state_ ^= state_ >> 17;
  state_ ^= state_ << 5;
  return (state_ & 0xFFFFFFu) / double(0x1000000);
}

// Inside the current clip, paints `colour` everywhere except where `path` moved by (dx, dy)
// lies: a crescent along the side of the shape away from the shift.
static void paintCrescent(cairo_t* cr, cairo_path_t* path, double dx, double dy, Rgb colour) {
  cairo_push_group(cr);
  setColour(cr, colour);
  cairo_paint(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_DEST_OUT);
  cairo_save(cr);
  cairo_translate(cr, dx, dy);
  cairo_new_path(cr);
  cairo_append_path(cr, path);
  cairo_restore(cr);
  cairo_set_source_rgba(cr, 0, 0, 0, 1);
  cairo_fill(cr);
  cairo_pop_group_to_source(cr);
  cairo_paint(cr);
}

void fillToned(cairo_t* cr, const Tone& tone, double lineWidth, double shadeShift, double lightShift) {
  cairo_path_t* path = cairo_copy_path(cr);
  if (lineWidth > 0) {
    setColour(cr, tone.outline);
    cairo_set_line_width(cr, lineWidth * 2);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(cr);
  }
  cairo_save(cr);
  cairo_clip(cr);
  setColour(cr, tone.base);
  cairo_paint(cr);
  if (lightShift > 0) paintCrescent(cr, path, lightShift, lightShift, tone.light);
  if (shadeShift > 0) paintCrescent(cr, path, -shadeShift, -shadeShift, tone.shade);
  cairo_restore(cr);
  cairo_new_path(cr);
  cairo_path_destroy(path);
}

void tonedEllipse(cairo_t* cr, const Tone& tone, double x, double y, double rx, double ry, double angle,
                  double lineWidth) {
  cairo_new_path(cr);
  ellipsePath(cr, x, y, rx, ry, angle);
  double r = std::min(rx, ry);
  fillToned(cr, tone, lineWidth, r * 0.28, r * 0.12);
}

}  // namespace scr
