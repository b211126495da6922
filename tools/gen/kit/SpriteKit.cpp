#include "kit/SpriteKit.h"

#include <cmath>

namespace kit {

static void translatedPath(cairo_t* cr, const ShapePath& shape, double by) {
  cairo_save(cr);
  cairo_translate(cr, by, by);
  shape(cr);
  cairo_restore(cr);
}

void shadedShape(cairo_t* cr, const ShapePath& shape, const Tones& t, Rgb line, double lightOffset,
                 double shadeOffset) {
  // The line goes first at double width and the fill covers its inner half, so only the
  // outer edge of the whole shape shows, not the seams between its overlapping pieces.
  cairo_save(cr);
  cairo_new_path(cr);
  shape(cr);
  setColour(cr, line);
  cairo_set_line_width(cr, 1.8);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
  shape(cr);
  cairo_clip(cr);
  setColour(cr, t.shade);
  cairo_paint(cr);
  // What the shape moved up-left does not cover stays as the shade rim on the lower right;
  // inside, the shape moved down-right takes the base and leaves a light rim on the upper left.
  translatedPath(cr, shape, -shadeOffset);
  cairo_clip(cr);
  setColour(cr, t.light);
  cairo_paint(cr);
  translatedPath(cr, shape, lightOffset);
  setColour(cr, t.base);
  cairo_fill(cr);
  cairo_restore(cr);
}

void capsulePath(cairo_t* cr, double x1, double y1, double r1, double x2, double y2, double r2) {
  double a = std::atan2(y2 - y1, x2 - x1);
  cairo_new_sub_path(cr);
  cairo_arc(cr, x2, y2, r2, a - M_PI / 2, a + M_PI / 2);
  cairo_arc(cr, x1, y1, r1, a + M_PI / 2, a + 3 * M_PI / 2);
  cairo_close_path(cr);
}

// The sprite with its outline, on a canvas of the same size.
static cairo_surface_t* outlined(cairo_surface_t* sprite, Rgb outline, int width) {
  int w = cairo_image_surface_get_width(sprite), h = cairo_image_surface_get_height(sprite);
  cairo_surface_t* out = newCanvas(w, h);
  cairo_t* cr = cairo_create(out);
  setColour(cr, outline);
  for (int dy = -width; dy <= width; ++dy) {
    for (int dx = -width; dx <= width; ++dx) {
      if ((dx || dy) && dx * dx + dy * dy <= width * width + width) cairo_mask_surface(cr, sprite, dx, dy);
    }
  }
  cairo_set_source_surface(cr, sprite, 0, 0);
  cairo_paint(cr);
  cairo_destroy(cr);
  return out;
}

void stampOutlined(cairo_t* dst, cairo_surface_t* sprite, int x, int y, Rgb outline, int width,
                   bool mirrored) {
  cairo_surface_t* done = outlined(sprite, outline, width);
  int w = cairo_image_surface_get_width(done);
  cairo_save(dst);
  cairo_translate(dst, x + (mirrored ? w : 0), y);
  if (mirrored) cairo_scale(dst, -1, 1);
  cairo_set_source_surface(dst, done, 0, 0);
  cairo_pattern_set_filter(cairo_get_source(dst), CAIRO_FILTER_NEAREST);
  cairo_paint(dst);
  cairo_restore(dst);
  cairo_surface_destroy(done);
}

}  // namespace kit
