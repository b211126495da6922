// Text, key caps and panels for the screens (see ScreenArt.h).
#include <algorithm>
#include <cmath>
#include <iterator>
#include <sstream>

#include "platform/Layout.h"
#include "screens/ScreenArt.h"

namespace scr {

std::string levelCountWord() {
  const char* const kWords[] = {"no",  "one",   "two",   "three", "four", "five",
                                "six", "seven", "eight", "nine",  "ten"};
  return kLevelCount < int(std::size(kWords)) ? kWords[kLevelCount] : std::to_string(kLevelCount);
}

double textWidth(cairo_t* cr, const std::string& text, double size) {
  selectGameFont(cr, size);
  cairo_text_extents_t e;
  cairo_text_extents(cr, text.c_str(), &e);
  return e.x_advance;
}

static double startX(cairo_t* cr, const std::string& text, double x, double size, Align align) {
  if (align == Align::Left) return x;
  double w = textWidth(cr, text, size);
  return align == Align::Centre ? x - w / 2 : x - w;
}

void showText(cairo_t* cr, const std::string& text, double x, double baseline, double size, Rgb colour,
              Align align) {
  double left = startX(cr, text, x, size, align);
  selectGameFont(cr, size);
  cairo_move_to(cr, left, baseline);
  setColour(cr, colour);
  cairo_show_text(cr, text.c_str());
  cairo_new_path(cr);
}

void showOutlined(cairo_t* cr, const std::string& text, double x, double baseline, double size, Rgb fill,
                  Rgb outline, double outlineWidth, Align align) {
  double left = startX(cr, text, x, size, align);
  selectGameFont(cr, size);
  cairo_new_path(cr);
  cairo_move_to(cr, left, baseline);
  outlineText(cr, text, fill, outline, outlineWidth);
}

double showWrapped(cairo_t* cr, const std::string& text, double x, double baseline, double maxWidth,
                   double size, Rgb colour, double lineHeight, Align align) {
  std::istringstream words(text);
  std::string word, line;
  while (words >> word) {
    std::string candidate = line.empty() ? word : line + " " + word;
    if (!line.empty() && textWidth(cr, candidate, size) > maxWidth) {
      showText(cr, line, x, baseline, size, colour, align);
      baseline += lineHeight;
      line = word;
    } else {
      line = candidate;
    }
  }
  if (!line.empty()) {
    showText(cr, line, x, baseline, size, colour, align);
    baseline += lineHeight;
  }
  return baseline;
}

void heading(cairo_t* cr, const std::string& text, double x, double baseline, double size) {
  const Rgb gold = hex("#f2c14e"), ink = hex("#3a2418");
  cairo_save(cr);
  cairo_translate(cr, 2, 3);
  showOutlined(cr, text, x, baseline, size, ink, ink, size * 0.06, Align::Centre);
  cairo_restore(cr);
  showOutlined(cr, text, x, baseline, size, gold, ink, size * 0.06, Align::Centre);
}

void hint(cairo_t* cr, const std::string& text, double x, double baseline, double size) {
  showOutlined(cr, text, x, baseline, size, hex("#fbf0d4"), hex("#14122a"), 3, Align::Centre);
}

double keycapWidth(cairo_t* cr, const std::string& label, double size) {
  return std::max(size * 1.7, textWidth(cr, label, size) + size * 1.0);
}

double keycap(cairo_t* cr, const std::string& label, double x, double y, double size) {
  double w = keycapWidth(cr, label, size), h = size * 1.55;
  roundedRect(cr, x, y + 2, w, h, size * 0.3);  // the key's side
  setColour(cr, hex("#8c7a66"));
  cairo_fill(cr);
  roundedRect(cr, x, y, w, h - 1, size * 0.3);
  setColour(cr, hex("#fbf3dc"));
  cairo_fill_preserve(cr);
  setColour(cr, hex("#3a2418"));
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  showText(cr, label, x + w / 2, y + h * 0.5 + size * 0.36, size, hex("#3a2418"), Align::Centre);
  return w;
}

void parchmentPanel(cairo_t* cr, double x, double y, double w, double h) {
  roundedRect(cr, x + 5, y + 6, w, h, 14);  // soft drop shadow
  cairo_set_source_rgba(cr, 0.1, 0.07, 0.04, 0.35);
  cairo_fill(cr);
  roundedRect(cr, x, y, w, h, 14);
  cairo_pattern_t* g = cairo_pattern_create_linear(x, y, x + w * 0.3, y + h);
  Rgb a = hex("#f8ecce"), b = hex("#ecd6a8");
  cairo_pattern_add_color_stop_rgb(g, 0, a.r, a.g, a.b);
  cairo_pattern_add_color_stop_rgb(g, 1, b.r, b.g, b.b);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  setColour(cr, hex("#7a5538"));
  cairo_set_line_width(cr, 4);
  cairo_stroke(cr);
  roundedRect(cr, x + 7, y + 7, w - 14, h - 14, 9);
  setColour(cr, hex("#c9a86e"));
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
}

void darkPanel(cairo_t* cr, double x, double y, double w, double h, double alpha) {
  roundedRect(cr, x, y, w, h, 12);
  cairo_set_source_rgba(cr, 0.07, 0.05, 0.13, alpha);
  cairo_fill_preserve(cr);
  setColour(cr, hex("#e8a33d"), 0.9);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  roundedRect(cr, x + 5, y + 5, w - 10, h - 10, 8);
  setColour(cr, hex("#e8a33d"), 0.3);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
}

void veil(cairo_t* cr, Rgb colour, double alpha) {
  setColour(cr, colour, alpha);
  cairo_paint(cr);
}

}  // namespace scr
