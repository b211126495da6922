#include "goblins/ShadedShape.h"

#include <algorithm>
#include <cmath>

namespace sprite {

namespace {
const double kOutlineWidth = 1.3;  // px of outline outside each shape
const double kPi = 3.14159265358979;

void strokeOutline(cairo_t* cr, const PathFn& path, Rgb outline) {
  cairo_new_path(cr);
  path(cr);
  setColour(cr, outline);
  cairo_set_line_width(cr, 2 * kOutlineWidth);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
}

void fillPath(cairo_t* cr, const PathFn& path, Rgb colour) {
  cairo_new_path(cr);
  path(cr);
  setColour(cr, colour);
  cairo_fill(cr);
}

// Paints the part of the shape that the shape moved by (dx, dy) does not cover.
void paintRim(cairo_t* cr, const PathFn& path, double dx, double dy, Rgb colour) {
  cairo_save(cr);
  cairo_new_path(cr);
  path(cr);
  cairo_clip(cr);
  cairo_push_group(cr);
  setColour(cr, colour);
  cairo_paint(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
  cairo_translate(cr, dx, dy);
  cairo_new_path(cr);
  path(cr);
  cairo_fill(cr);
  cairo_pop_group_to_source(cr);
  cairo_paint(cr);
  cairo_restore(cr);
}
}  // namespace

Vec rotated(Vec v, double a) {
  return {v.x * std::cos(a) - v.y * std::sin(a), v.x * std::sin(a) + v.y * std::cos(a)};
}

Vec fromDown(double a) { return {std::sin(a), std::cos(a)}; }

Vec middleJoint(Vec root, Vec end, double a, double b, double bendSign) {
  Vec d = end - root;
  double len = std::hypot(d.x, d.y);
  if (len < 1e-6) return root + Vec{0, a};
  Vec u = d * (1.0 / len);
  double reach = std::clamp(len, std::fabs(a - b) + 1e-3, a + b - 1e-3);
  double cosAngle = std::clamp((a * a + reach * reach - b * b) / (2 * a * reach), -1.0, 1.0);
  return root + rotated(u, bendSign * std::acos(cosAngle)) * a;
}

Rgb mix(Rgb a, Rgb b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Tones recede(const Tones& t, Rgb outline) { return {t.shade, t.base, mix(t.shade, outline, 0.45)}; }

void ellipsePath(cairo_t* cr, Vec c, double rx, double ry) { ::ellipsePath(cr, c.x, c.y, rx, ry); }

void capsulePath(cairo_t* cr, Vec a, Vec b, double ra, double rb) {
  Vec d = b - a;
  double len = std::hypot(d.x, d.y);
  if (len <= std::fabs(ra - rb) + 1e-6) {  // one end swallows the other
    ellipsePath(cr, ra > rb ? a : b, std::max(ra, rb), std::max(ra, rb));
    return;
  }
  double heading = std::atan2(d.y, d.x);
  double spread = std::acos((ra - rb) / len);  // angle of the tangent points from the axis
  cairo_new_sub_path(cr);
  cairo_arc(cr, b.x, b.y, rb, heading - spread, heading + spread);
  cairo_arc(cr, a.x, a.y, ra, heading + spread, heading - spread + 2 * kPi);
  cairo_close_path(cr);
}

void polygonPath(cairo_t* cr, std::vector<Vec> p) {
  double area = 0;
  for (size_t i = 0; i < p.size(); ++i) {
    const Vec& a = p[i];
    const Vec& b = p[(i + 1) % p.size()];
    area += a.x * b.y - b.x * a.y;
  }
  // Same turning sense as cairo_arc, so unions with arcs do not cancel.
  if (area < 0) std::reverse(p.begin(), p.end());
  cairo_new_sub_path(cr);
  for (const Vec& v : p) cairo_line_to(cr, v.x, v.y);
  cairo_close_path(cr);
}

void paintShaded(cairo_t* cr, const PathFn& path, const Tones& t, Rgb outline, Rims rims) {
  strokeOutline(cr, path, outline);
  fillPath(cr, path, t.base);
  paintRim(cr, path, -rims.shade, -rims.shade, t.shade);
  paintRim(cr, path, rims.light, rims.light, t.light);
}

void paintFlat(cairo_t* cr, const PathFn& path, Rgb fill, Rgb outline) {
  strokeOutline(cr, path, outline);
  fillPath(cr, path, fill);
}

}  // namespace sprite
