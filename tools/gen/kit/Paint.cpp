#include "kit/Paint.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

Rgb hex(const char* text) {
  unsigned v = 0;
  std::sscanf(text + (text[0] == '#' ? 1 : 0), "%x", &v);
  return {((v >> 16) & 255) / 255.0, ((v >> 8) & 255) / 255.0, (v & 255) / 255.0};
}

void setColour(cairo_t* cr, Rgb c, double alpha) { cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha); }

cairo_surface_t* newCanvas(int width, int height) {
  return cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
}

static void writeOrDie(cairo_surface_t* s, const std::string& path) {
  if (cairo_surface_write_to_png(s, path.c_str()) != CAIRO_STATUS_SUCCESS) {
    std::fprintf(stderr, "thornwald-gen: cannot write %s\n", path.c_str());
    std::exit(1);
  }
}

void saveRgba(cairo_surface_t* canvas, const std::string& path) {
  cairo_surface_flush(canvas);
  writeOrDie(canvas, path);
}

// Converts to RGB24; `keyed` decides what happens to mostly transparent pixels.
static void saveRgb(cairo_surface_t* canvas, const std::string& path, bool keyed, Rgb key) {
  cairo_surface_flush(canvas);
  int w = cairo_image_surface_get_width(canvas), h = cairo_image_surface_get_height(canvas);
  cairo_surface_t* out = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h);
  unsigned char* src = cairo_image_surface_get_data(canvas);
  unsigned char* dst = cairo_image_surface_get_data(out);
  int sp = cairo_image_surface_get_stride(canvas), dp = cairo_image_surface_get_stride(out);
  unsigned keyPixel =
      (unsigned(key.r * 255 + 0.5) << 16) | (unsigned(key.g * 255 + 0.5) << 8) | unsigned(key.b * 255 + 0.5);
  for (int y = 0; y < h; ++y) {
    auto* s = reinterpret_cast<unsigned*>(src + y * sp);
    auto* d = reinterpret_cast<unsigned*>(dst + y * dp);
    for (int x = 0; x < w; ++x) {
      unsigned p = s[x], a = p >> 24;
      if (keyed && a < 128) {
        d[x] = keyPixel;
        continue;
      }
      unsigned r = (p >> 16) & 255, g = (p >> 8) & 255, b = p & 255;
      if (keyed && a > 0 && a < 255) {  // un-premultiply so the edge keeps its colour
        r = r * 255 / a;
        g = g * 255 / a;
        b = b * 255 / a;
      }
      unsigned v = (r << 16) | (g << 8) | b;
      // A sprite pixel that happens to equal the key would vanish; nudge it.
      if (keyed && v == keyPixel) v ^= 0x000100;
      d[x] = v;
    }
  }
  cairo_surface_mark_dirty(out);
  writeOrDie(out, path);
  cairo_surface_destroy(out);
}

void saveKeyed(cairo_surface_t* canvas, const std::string& path, Rgb key) {
  saveRgb(canvas, path, true, key);
}
void saveOpaque(cairo_surface_t* canvas, const std::string& path) { saveRgb(canvas, path, false, {0, 0, 0}); }

void selectGameFont(cairo_t* cr, double size) {
  // The face the build copies to BoldFaceLie.TTF, so painted and live text look alike.
  cairo_select_font_face(cr, "DejaVu Sans Condensed", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(cr, size);
}

static void placeText(cairo_t* cr, const std::string& text, double x, double y, double size, bool centred) {
  selectGameFont(cr, size);
  cairo_text_extents_t e;
  cairo_text_extents(cr, text.c_str(), &e);
  double left = centred ? x - e.width / 2 - e.x_bearing : x - e.x_bearing;
  cairo_move_to(cr, left, y - e.y_bearing);
}

void drawText(cairo_t* cr, const std::string& text, double x, double y, double size, Rgb colour,
              bool centred) {
  placeText(cr, text, x, y, size, centred);
  setColour(cr, colour);
  cairo_show_text(cr, text.c_str());
}

void outlineText(cairo_t* cr, const std::string& text, Rgb fill, Rgb outline, double outlineWidth) {
  cairo_text_path(cr, text.c_str());
  setColour(cr, outline);
  cairo_set_line_width(cr, outlineWidth * 2);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke_preserve(cr);
  setColour(cr, fill);
  cairo_fill(cr);
}

void drawOutlinedText(cairo_t* cr, const std::string& text, double x, double y, double size, Rgb fill,
                      Rgb outline, double outlineWidth, bool centred) {
  placeText(cr, text, x, y, size, centred);
  outlineText(cr, text, fill, outline, outlineWidth);
}

void ellipsePath(cairo_t* cr, double cx, double cy, double rx, double ry, double angle) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_rotate(cr, angle);
  cairo_scale(cr, rx, ry);
  cairo_new_sub_path(cr);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_close_path(cr);
  cairo_restore(cr);
}

void roundedRect(cairo_t* cr, double x, double y, double w, double h, double r) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -1.5708, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, 1.5708);
  cairo_arc(cr, x + r, y + h - r, r, 1.5708, 3.14159);
  cairo_arc(cr, x + r, y + r, r, 3.14159, 4.71239);
  cairo_close_path(cr);
}

void fillSparkle(cairo_t* cr, double x, double y, double r, double waist, Rgb colour) {
  setColour(cr, colour);
  double w = r * waist;
  cairo_move_to(cr, x, y - r);
  cairo_line_to(cr, x + w, y - w);
  cairo_line_to(cr, x + r, y);
  cairo_line_to(cr, x + w, y + w);
  cairo_line_to(cr, x, y + r);
  cairo_line_to(cr, x - w, y + w);
  cairo_line_to(cr, x - r, y);
  cairo_line_to(cr, x - w, y - w);
  cairo_close_path(cr);
  cairo_fill(cr);
}

void paintVerticalBlend(cairo_t* cr, double y0, double y1, Rgb top, Rgb bottom) {
  cairo_pattern_t* g = cairo_pattern_create_linear(0, y0, 0, y1);
  cairo_pattern_add_color_stop_rgb(g, 0, top.r, top.g, top.b);
  cairo_pattern_add_color_stop_rgb(g, 1, bottom.r, bottom.g, bottom.b);
  cairo_set_source(cr, g);
  cairo_paint(cr);
  cairo_pattern_destroy(g);
}
