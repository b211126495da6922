#include <cmath>

#include "level/TilePaint.h"

void fillRect(cairo_t* cr, double x, double y, double w, double h, Rgb c, double alpha) {
  cairo_rectangle(cr, x, y, w, h);
  setColour(cr, c, alpha);
  cairo_fill(cr);
}

void addEllipse(cairo_t* cr, double cx, double cy, double rx, double ry) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, rx, ry);
  cairo_new_sub_path(cr);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
}

void addWrappedEllipse(cairo_t* cr, double cx, double cy, double rx, double ry) {
  const double cell = 50.0;  // px
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx) addEllipse(cr, cx + dx * cell, cy + dy * cell, rx, ry);
}

double patternNoise(int a, int b) {
  unsigned h = unsigned(a) * 374761393u + unsigned(b) * 668265263u;
  h = (h ^ (h >> 13)) * 1274126177u;
  return ((h ^ (h >> 16)) & 0xffff) / 65535.0;
}
