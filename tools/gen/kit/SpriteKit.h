#pragma once
// Helpers for outlined, flat-shaded sprites: each part gets one light and one shade
// tone, and the finished sprite gets a dark outline around its whole silhouette.
#include <cairo.h>

#include <functional>

#include "kit/Paint.h"

namespace kit {

struct Tones {
  Rgb base, shade, light;
};

// Builds the current path; called more than once, so it must not keep state.
using ShapePath = std::function<void(cairo_t*)>;

// Fills the shape with `t.base`, a light rim `lightOffset` px wide on its upper left and a
// shade rim `shadeOffset` px wide on its lower right, with a thin `line` round its outer edge.
// Overlapping pieces of one shape must all wind clockwise (as cairo_arc does).
void shadedShape(cairo_t* cr, const ShapePath& shape, const Tones& t, Rgb line, double lightOffset = 1.0,
                 double shadeOffset = 1.6);

// Adds an ellipse to the current path (rotated by `angle` radians).
using ::ellipsePath;

// A rounded bar from circle (x1, y1, r1) to circle (x2, y2, r2), winding clockwise.
void capsulePath(cairo_t* cr, double x1, double y1, double r1, double x2, double y2, double r2);

// Blits `sprite` to (x, y) on `dst` with a solid outline `width` px wide around everything it
// paints. When `mirrored`, the sprite is flipped left-right within its own width.
void stampOutlined(cairo_t* dst, cairo_surface_t* sprite, int x, int y, Rgb outline, int width,
                   bool mirrored = false);

}  // namespace kit
