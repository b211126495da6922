#pragma once
// Flat-shaded shapes for sprites: a dark outline, a base colour, one shade tone
// on the bottom-right rim and one light tone on the top-left rim.
#include <cairo.h>

#include <functional>
#include <vector>

#include "kit/Paint.h"

namespace sprite {

struct Vec {
  double x, y;
};
inline Vec operator+(Vec a, Vec b) { return {a.x + b.x, a.y + b.y}; }
inline Vec operator-(Vec a, Vec b) { return {a.x - b.x, a.y - b.y}; }
inline Vec operator*(Vec a, double k) { return {a.x * k, a.y * k}; }

// Turns v by `radians` the way cairo_rotate does (clockwise on screen).
Vec rotated(Vec v, double radians);
// Unit vector of a direction measured from straight down, forward (+x) positive.
Vec fromDown(double radians);
// The middle joint of a two-bone limb from `root` to `end` (bone lengths a, b);
// bendSign picks the side the joint bulges to. An unreachable end straightens the limb.
Vec middleJoint(Vec root, Vec end, double a, double b, double bendSign);

struct Tones {
  Rgb base, light, shade;
};
Rgb mix(Rgb a, Rgb b, double t);
// The same material further from the viewer: everything one step darker.
Tones recede(const Tones& t, Rgb outline);

// Adds sub-paths. All of them wind the same way, so overlapping parts of one
// shape fill as a union.
using PathFn = std::function<void(cairo_t*)>;
void ellipsePath(cairo_t* cr, Vec centre, double rx, double ry);
// A stadium from a (radius ra) to b (radius rb), for limbs and hafts.
void capsulePath(cairo_t* cr, Vec a, Vec b, double ra, double rb);
void polygonPath(cairo_t* cr, std::vector<Vec> points);

// Rim depths in px.
struct Rims {
  double shade, light;
};
void paintShaded(cairo_t* cr, const PathFn& path, const Tones& tones, Rgb outline, Rims rims);
// Outline and one flat colour, for small details.
void paintFlat(cairo_t* cr, const PathFn& path, Rgb fill, Rgb outline);

}  // namespace sprite
