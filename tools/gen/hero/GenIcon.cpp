// The desktop icon, and the page's favicon: the panda on a mossy rounded square.
#include "Generators.h"
#include "hero/PandaPainter.h"
#include "kit/Paint.h"

namespace {
const int kIconPx = 128;         // the desktop's icon; the painting below is in its px
const int kFaviconPx = 32;       // the browser tab's
const double kPandaScale = 2.5;  // icon px per sprite px

// The icon at `px` square: the 128 px painting scaled, so both show the same panda.
void paintIcon(int px, const std::string& path) {
  cairo_surface_t* canvas = newCanvas(px, px);
  cairo_t* cr = cairo_create(canvas);
  cairo_scale(cr, double(px) / kIconPx, double(px) / kIconPx);
  roundedRect(cr, 4, 4, kIconPx - 8, kIconPx - 8, 22);
  cairo_pattern_t* moss = cairo_pattern_create_linear(0, 0, 0, kIconPx);
  cairo_pattern_add_color_stop_rgb(moss, 0, 0x8c / 255.0, 0xc0 / 255.0, 0x63 / 255.0);
  cairo_pattern_add_color_stop_rgb(moss, 1, 0x2f / 255.0, 0x5d / 255.0, 0x34 / 255.0);
  cairo_set_source(cr, moss);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(moss);
  setColour(cr, hex("#1d2a4a"));
  cairo_set_line_width(cr, 4);
  cairo_stroke(cr);
  cairo_translate(cr, (kIconPx - hero::kPandaFrame * kPandaScale) / 2, 10);
  cairo_scale(cr, kPandaScale, kPandaScale);
  hero::paintPanda(cr, hero::standPose());
  cairo_destroy(cr);
  saveRgba(canvas, path);
  cairo_surface_destroy(canvas);
}
}  // namespace

void generateIcon(const std::string& gameDir) {
  paintIcon(kIconPx, gameDir + "/thornwald.png");
  paintIcon(kFaviconPx, gameDir + "/pics-web/favicon.png");
}
