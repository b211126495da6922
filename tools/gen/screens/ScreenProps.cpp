// Small things painted into the screens: sun, moon, stars, nuts, cage, gate... (see ScreenArt.h).
#include <cmath>

#include "screens/ScreenArt.h"

namespace scr {

static void glow(cairo_t* cr, double x, double y, double r, Rgb colour, double alpha) {
  cairo_pattern_t* g = cairo_pattern_create_radial(x, y, 0, x, y, r);
  cairo_pattern_add_color_stop_rgba(g, 0, colour.r, colour.g, colour.b, alpha);
  cairo_pattern_add_color_stop_rgba(g, 1, colour.r, colour.g, colour.b, 0);
  cairo_set_source(cr, g);
  cairo_arc(cr, x, y, r, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}

void paintSun(cairo_t* cr, double x, double y, double r) {
  glow(cr, x, y, r * 3.2, hex("#fff6d0"), 0.7);
  cairo_arc(cr, x, y, r, 0, 2 * M_PI);
  setColour(cr, hex("#fff3c4"));
  cairo_fill(cr);
}

void paintCloud(cairo_t* cr, double x, double y, double size, Rgb colour) {
  cairo_new_path(cr);
  ellipsePath(cr, x, y, size, size * 0.38);
  ellipsePath(cr, x - size * 0.35, y - size * 0.18, size * 0.42, size * 0.34);
  ellipsePath(cr, x + size * 0.2, y - size * 0.3, size * 0.48, size * 0.42);
  Tone t = {colour, mix(colour, hex("#ffffff"), 0.6), mix(colour, hex("#9fb8cc"), 0.35), colour};
  fillToned(cr, t, 0, size * 0.1, size * 0.05);
}

void paintMoon(cairo_t* cr, double x, double y, double r) {
  glow(cr, x, y, r * 3, hex("#cfd8ff"), 0.35);
  Tone moon = {hex("#f3f0d8"), hex("#fffbe8"), hex("#d6d0b0"), hex("#9a9680")};
  tonedEllipse(cr, moon, x, y, r, r, 0, 0);
  setColour(cr, hex("#d6d0b0"));
  ellipsePath(cr, x - r * 0.3, y - r * 0.2, r * 0.18, r * 0.15);
  ellipsePath(cr, x + r * 0.25, y + r * 0.3, r * 0.12, r * 0.1);
  ellipsePath(cr, x + r * 0.1, y - r * 0.45, r * 0.08, r * 0.07);
  cairo_fill(cr);
}

static void sparkle(cairo_t* cr, double x, double y, double s) {
  cairo_move_to(cr, x, y - s);
  cairo_curve_to(cr, x, y, x, y, x + s, y);
  cairo_curve_to(cr, x, y, x, y, x, y + s);
  cairo_curve_to(cr, x, y, x, y, x - s, y);
  cairo_curve_to(cr, x, y, x, y, x, y - s);
  cairo_close_path(cr);
  cairo_fill(cr);
}

void paintStars(cairo_t* cr, Rng& rng, int count, double maxY) {
  for (int i = 0; i < count; ++i) {
    double x = rng.range(0, 640), y = rng.range(0, maxY), b = rng.next();
    setColour(cr, mix(hex("#9fb0e0"), hex("#fff8dc"), b), 0.5 + 0.5 * b);
    if (b > 0.85) {
      sparkle(cr, x, y, 4 + 3 * b);
    } else {
      cairo_arc(cr, x, y, 0.7 + 1.0 * b, 0, 2 * M_PI);
      cairo_fill(cr);
    }
  }
}

void paintFireflies(cairo_t* cr, Rng& rng, int count, double x0, double y0, double x1, double y1) {
  for (int i = 0; i < count; ++i) {
    double x = rng.range(x0, x1), y = rng.range(y0, y1);
    glow(cr, x, y, rng.range(6, 10), hex("#e9ff8a"), 0.55);
    cairo_arc(cr, x, y, 1.6, 0, 2 * M_PI);
    setColour(cr, hex("#fbffd0"));
    cairo_fill(cr);
  }
}

void paintNut(cairo_t* cr, double x, double y, double size, double angle) {
  Tone shell = {hex("#a8672e"), hex("#d08e4a"), hex("#6e4220"), hex("#3a2418")};
  Tone husk = {hex("#c9a15a"), hex("#e3c27e"), hex("#8f6d35"), hex("#3a2418")};
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, angle);
  double s = size / 2;
  cairo_new_path(cr);
  cairo_move_to(cr, 0, -s * 0.55);
  cairo_curve_to(cr, s * 0.95, -s * 0.55, s * 0.95, s * 0.6, 0, s);
  cairo_curve_to(cr, -s * 0.95, s * 0.6, -s * 0.95, -s * 0.55, 0, -s * 0.55);
  cairo_close_path(cr);
  fillToned(cr, shell, 1.2, s * 0.22, s * 0.1);
  cairo_new_path(cr);  // the frilly husk on top
  cairo_move_to(cr, -s * 0.75, -s * 0.35);
  for (int i = 0; i <= 6; ++i) {
    double px = -s * 0.75 + i * s * 0.25;
    cairo_line_to(cr, px, i % 2 ? -s * 0.2 : -s * 0.42);
  }
  cairo_curve_to(cr, s * 0.7, -s * 0.95, -s * 0.7, -s * 0.95, -s * 0.75, -s * 0.35);
  cairo_close_path(cr);
  fillToned(cr, husk, 1, s * 0.12, 0);
  cairo_arc(cr, -s * 0.28, s * 0.1, s * 0.12, 0, 2 * M_PI);  // shine
  setColour(cr, hex("#fff1d6"));
  cairo_fill(cr);
  cairo_restore(cr);
}

static void rabbit(cairo_t* cr, double cx, double floorY, double s) {
  Tone fur = {hex("#b9a58c"), hex("#d8c8b0"), hex("#8a765e"), hex("#3a2a22")};
  tonedEllipse(cr, fur, cx - s * 0.25, floorY - s * 1.55, s * 0.17, s * 0.5, -0.25, 1.2);  // ears
  tonedEllipse(cr, fur, cx + s * 0.2, floorY - s * 1.55, s * 0.17, s * 0.5, 0.3, 1.2);
  setColour(cr, hex("#e9a3a8"));
  ellipsePath(cr, cx - s * 0.25, floorY - s * 1.55, s * 0.07, s * 0.32, -0.25);
  ellipsePath(cr, cx + s * 0.2, floorY - s * 1.55, s * 0.07, s * 0.32, 0.3);
  cairo_fill(cr);
  tonedEllipse(cr, fur, cx, floorY - s * 0.45, s * 0.55, s * 0.45, 0, 1.2);  // body
  tonedEllipse(cr, fur, cx, floorY - s * 1.0, s * 0.42, s * 0.36, 0, 1.2);   // head
  setColour(cr, hex("#2a1f22"));
  ellipsePath(cr, cx - s * 0.15, floorY - s * 1.02, s * 0.07, s * 0.09);
  ellipsePath(cr, cx + s * 0.15, floorY - s * 1.02, s * 0.07, s * 0.09);
  cairo_fill(cr);
  setColour(cr, hex("#9fd8ff"));  // a tear
  ellipsePath(cr, cx + s * 0.2, floorY - s * 0.88, s * 0.04, s * 0.07);
  cairo_fill(cr);
  setColour(cr, hex("#d0707a"));
  ellipsePath(cr, cx, floorY - s * 0.9, s * 0.06, s * 0.04);
  cairo_fill(cr);
}

void paintCage(cairo_t* cr, double x, double y, double w, double h) {
  Tone wood = {hex("#8a5f3c"), hex("#b07e52"), hex("#5a3d26"), hex("#2e1f17")};
  cairo_set_source_rgba(cr, 0.1, 0.06, 0.04, 0.45);  // gloom inside the cage
  cairo_rectangle(cr, x, y, w, h);
  cairo_fill(cr);
  rabbit(cr, x + w * 0.5, y + h - 8, h * 0.42);
  for (int i = 0; i <= 5; ++i) {
    double bx = x + 3 + i * (w - 6) / 5;
    cairo_new_path(cr);
    cairo_rectangle(cr, bx - 2.5, y, 5, h);
    fillToned(cr, wood, 1, 1.5, 0);
  }
  cairo_new_path(cr);
  cairo_rectangle(cr, x - 6, y - 6, w + 12, 12);
  cairo_rectangle(cr, x - 6, y + h - 8, w + 12, 12);
  fillToned(cr, wood, 1.5, 3, 1);
  Tone gold = {hex("#e8a33d"), hex("#f7d27a"), hex("#a86c1e"), hex("#3a2418")};
  cairo_new_path(cr);  // the goblins' padlock
  cairo_arc(cr, x + w * 0.75, y + h * 0.42, 5, M_PI, 2 * M_PI);
  setColour(cr, hex("#3a2418"));
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
  cairo_new_path(cr);
  roundedRect(cr, x + w * 0.75 - 7, y + h * 0.42, 14, 12, 2);
  fillToned(cr, gold, 1.2, 2, 1);
}

static void gatePost(cairo_t* cr, double x, double groundY, double w, double h) {
  Tone wood = {hex("#8a5f3c"), hex("#b07e52"), hex("#5a3d26"), hex("#2e1f17")};
  cairo_new_path(cr);
  roundedRect(cr, x - w / 2, groundY - h, w, h + 6, 3);
  fillToned(cr, wood, 2, w * 0.25, w * 0.1);
  for (int i = 1; i <= 3; ++i) {  // carved rings
    double ry = groundY - h * i / 4.0;
    cairo_new_path(cr);
    roundedRect(cr, x - w / 2 - 2, ry - 3, w + 4, 6, 2);
    fillToned(cr, wood, 1.2, 2, 1);
  }
}

void paintGate(cairo_t* cr, double cx, double groundY, double w, double h) {
  double postW = w * 0.16, inner = w / 2 - postW, archY = groundY - h + w / 2;
  glow(cr, cx, archY + 20, w * 1.1, hex("#ffe9a0"), 0.7);
  cairo_new_path(cr);  // the glowing opening
  cairo_move_to(cr, cx - inner, groundY);
  cairo_line_to(cr, cx - inner, archY);
  cairo_arc(cr, cx, archY, inner, M_PI, 2 * M_PI);
  cairo_line_to(cr, cx + inner, groundY);
  cairo_close_path(cr);
  cairo_pattern_t* g =
      cairo_pattern_create_radial(cx, archY + inner * 0.6, 2, cx, archY + inner * 0.6, h * 0.8);
  cairo_pattern_add_color_stop_rgb(g, 0, 1.0, 0.98, 0.86);
  cairo_pattern_add_color_stop_rgb(g, 0.5, 1.0, 0.86, 0.5);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.91, 0.64, 0.24);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  gatePost(cr, cx - w / 2 + postW / 2, groundY, postW, h - w * 0.25);
  gatePost(cr, cx + w / 2 - postW / 2, groundY, postW, h - w * 0.25);
  Tone wood = {hex("#7a5538"), hex("#9c7250"), hex("#4a3326"), hex("#2e1f17")};
  cairo_new_path(cr);  // the carved arch
  cairo_arc(cr, cx, archY, w / 2, M_PI, 2 * M_PI);
  cairo_arc_negative(cr, cx, archY, inner, 2 * M_PI, M_PI);
  cairo_close_path(cr);
  fillToned(cr, wood, 2, postW * 0.25, postW * 0.1);
  Tone leaf = {hex("#4f8a3c"), hex("#8cc063"), hex("#2f5d34"), hex("#1c3520")};
  for (int i = 0; i < 5; ++i) {  // ivy on the arch
    double a = M_PI * (1.15 + 0.17 * i);
    tonedEllipse(cr, leaf, cx + std::cos(a) * (w / 2 - postW / 2), archY + std::sin(a) * (w / 2 - postW / 2),
                 5, 3.5, a, 1);
  }
}

void paintGoblinPeek(cairo_t* cr, double cx, double cy, double size) {
  Tone skin = {hex("#6aa84f"), hex("#8fcf6a"), hex("#3f7a34"), hex("#1f3318")};
  for (int side = -1; side <= 1; side += 2) {  // long pointy ears
    cairo_new_path(cr);
    cairo_move_to(cr, cx + side * size * 0.7, cy - size * 0.25);
    cairo_line_to(cr, cx + side * size * 1.75, cy - size * 0.75);
    cairo_line_to(cr, cx + side * size * 0.8, cy + size * 0.25);
    cairo_close_path(cr);
    fillToned(cr, skin, 1.5, size * 0.12, 0);
  }
  tonedEllipse(cr, skin, cx, cy, size, size * 0.85, 0, 1.5);
  for (int side = -1; side <= 1; side += 2) {
    double ex = cx + side * size * 0.38, ey = cy - size * 0.12;
    ellipsePath(cr, ex, ey, size * 0.24, size * 0.2, side * 0.3);
    setColour(cr, hex("#f7e36a"));
    cairo_fill(cr);
    ellipsePath(cr, ex + size * 0.05, ey + size * 0.03, size * 0.09, size * 0.13);
    setColour(cr, hex("#1f1a10"));
    cairo_fill(cr);
  }
  cairo_new_path(cr);  // a sly grin with one tooth
  cairo_move_to(cr, cx - size * 0.4, cy + size * 0.3);
  cairo_curve_to(cr, cx - size * 0.1, cy + size * 0.55, cx + size * 0.2, cy + size * 0.5, cx + size * 0.45,
                 cy + size * 0.25);
  setColour(cr, hex("#1f3318"));
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  cairo_move_to(cr, cx + size * 0.05, cy + size * 0.45);
  cairo_line_to(cr, cx + size * 0.13, cy + size * 0.6);
  cairo_line_to(cr, cx + size * 0.2, cy + size * 0.43);
  cairo_close_path(cr);
  setColour(cr, hex("#f4efd8"));
  cairo_fill(cr);
}

void paintLantern(cairo_t* cr, double x, double y, double size) {
  glow(cr, x, y + size * 0.6, size * 3.2, hex("#ffd27a"), 0.5);
  Tone metal = {hex("#4a4450"), hex("#6a6474"), hex("#2e2a33"), hex("#15121a")};
  setColour(cr, hex("#2e2a33"));
  cairo_set_line_width(cr, 1.5);
  cairo_move_to(cr, x, y - size * 0.9);
  cairo_line_to(cr, x, y);
  cairo_stroke(cr);
  cairo_new_path(cr);
  roundedRect(cr, x - size * 0.4, y + size * 0.15, size * 0.8, size * 0.9, size * 0.15);
  cairo_pattern_t* g = cairo_pattern_create_radial(x, y + size * 0.6, 1, x, y + size * 0.6, size * 0.6);
  cairo_pattern_add_color_stop_rgb(g, 0, 1, 0.98, 0.85);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.95, 0.68, 0.25);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  setColour(cr, metal.outline);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  cairo_new_path(cr);
  cairo_move_to(cr, x - size * 0.55, y + size * 0.2);
  cairo_line_to(cr, x, y - size * 0.15);
  cairo_line_to(cr, x + size * 0.55, y + size * 0.2);
  cairo_close_path(cr);
  fillToned(cr, metal, 1.2, size * 0.08, 0);
  cairo_new_path(cr);
  cairo_rectangle(cr, x - size * 0.5, y + size * 1.02, size, size * 0.14);
  fillToned(cr, metal, 1.2, size * 0.04, 0);
}

}  // namespace scr
