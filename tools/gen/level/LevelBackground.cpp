// The background is calm on purpose: pale, low-contrast layers so tiles and
// sprites read over it. Layers from back to front: sky, clouds, far hills with
// tree tops, a mist band, then two nearer hill ranges.
//
// The same picture is the shop's collision image. The shop holds the hero's
// feet on row 545 and probes rows 527 and 544, so in the shop's columns the
// mist band (rows 500-544) must be free (near-white) and row 545 solid. Every
// other pixel must count as solid, which the last step makes sure of.
#include "level/LevelBackground.h"

#include <cmath>

#include "kit/Paint.h"
#include "kit/PngWriter.h"
#include "level/TilePaint.h"
#include "platform/Layout.h"

namespace {

constexpr int kShopLeft = 355, kShopRight = 970;    // px, columns the shop probes (inclusive)
constexpr int kMistTop = 500, kShopFloorRow = 545;  // px

const Rgb kSkyTop = hex("#bfe3f5");
const Rgb kSkyLow = hex("#f6fbff");
const Rgb kCloud = {250 / 255.0, 252 / 255.0, 1.0};
const Rgb kCloudShade = {226 / 255.0, 238 / 255.0, 248 / 255.0};
const Rgb kFarHill = hex("#c6e0e2");
const Rgb kFarTrees = hex("#b4d4d4");
const Rgb kMist = {250 / 255.0, 1.0, 1.0};
const Rgb kBelowMist = {236 / 255.0, 246 / 255.0, 252 / 255.0};
const Rgb kValley = hex("#d5eae2");
const Rgb kMidHill = hex("#bddbcc");
const Rgb kMidTrees = hex("#aacfbd");
const Rgb kNearHill = hex("#a9cdb6");
const Rgb kNearTrees = hex("#97c2a6");
const Rgb kDeepest = hex("#8fbb9f");

void verticalGradient(cairo_t* cr, double y0, double y1, Rgb a, Rgb b, double alpha0 = 1, double alpha1 = 1) {
  cairo_pattern_t* p = cairo_pattern_create_linear(0, y0, 0, y1);
  cairo_pattern_add_color_stop_rgba(p, 0, a.r, a.g, a.b, alpha0);
  cairo_pattern_add_color_stop_rgba(p, 1, b.r, b.g, b.b, alpha1);
  cairo_rectangle(cr, 0, y0, kLevelWidth, y1 - y0);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

void cloud(cairo_t* cr, double x, double y, double size) {
  const double puffs[][3] = {{0.0, 0.0, 0.55}, {0.55, -0.25, 0.7}, {1.2, -0.05, 0.5}, {1.65, 0.15, 0.35}};
  // Shade tone first, a little lower, then the body over it.
  for (int pass = 0; pass < 2; ++pass) {
    double dy = pass == 0 ? size * 0.12 : 0;
    for (const auto& p : puffs)
      addEllipse(cr, x + p[0] * size, y + p[1] * size + dy, p[2] * size, p[2] * size * 0.8);
    roundedRect(cr, x - size * 0.4, y + dy - size * 0.1, size * 2.3, size * 0.55, size * 0.27);
    setColour(cr, pass == 0 ? kCloudShade : kCloud);
    cairo_fill(cr);
  }
}

// A rolling ridge line; `seed` shifts the waves so ranges differ.
double ridge(double x, double base, double amplitude, double seed) {
  return base + amplitude * (0.6 * std::sin(x / 410.0 + seed) + 0.3 * std::sin(x / 173.0 + 2 * seed) +
                             0.1 * std::sin(x / 67.0 + 3 * seed));
}

void hillRange(cairo_t* cr, double base, double amplitude, double seed, Rgb colour) {
  cairo_move_to(cr, 0, kLevelHeight);
  for (int x = 0; x <= kLevelWidth; x += 8) cairo_line_to(cr, x, ridge(x, base, amplitude, seed));
  cairo_line_to(cr, kLevelWidth, kLevelHeight);
  cairo_close_path(cr);
  setColour(cr, colour);
  cairo_fill(cr);
}

// Tree silhouettes standing on a ridge: pointed firs and round broadleaves.
void treeLine(cairo_t* cr, double base, double amplitude, double seed, double scale, Rgb colour, int salt) {
  double x = 10;
  for (int i = 0; x < kLevelWidth; ++i) {
    double h = scale * (0.6 + 0.6 * patternNoise(i, salt));
    double ground = ridge(x, base, amplitude, seed) + 4;
    if (patternNoise(i, salt + 1) < 0.55) {
      cairo_move_to(cr, x - h * 0.32, ground);
      cairo_line_to(cr, x, ground - h);
      cairo_line_to(cr, x + h * 0.32, ground);
      cairo_close_path(cr);
    } else {
      addEllipse(cr, x, ground - h * 0.55, h * 0.36, h * 0.5);
      cairo_rectangle(cr, x - h * 0.06, ground - h * 0.2, h * 0.12, h * 0.25);
    }
    setColour(cr, colour);
    cairo_fill(cr);
    x += scale * (0.5 + 1.6 * patternNoise(i, salt + 2));
  }
}

void paintLayers(cairo_t* cr) {
  verticalGradient(cr, 0, kMistTop, kSkyTop, kSkyLow);
  for (int i = 0; i < 13; ++i) {
    double x = 180 + i * 560 + patternNoise(i, 40) * 200;
    cloud(cr, x, 90 + patternNoise(i, 41) * 230, 55 + patternNoise(i, 42) * 45);
  }
  hillRange(cr, 430, 70, 0.0, kFarHill);
  treeLine(cr, 430, 70, 0.0, 34, kFarTrees, 50);
  verticalGradient(cr, kMistTop - 45, kMistTop, kMist, kMist, 0, 1);
  cairo_rectangle(cr, 0, kMistTop, kLevelWidth, kShopFloorRow - kMistTop);
  setColour(cr, kMist);
  cairo_fill(cr);
  verticalGradient(cr, kShopFloorRow, 700, kBelowMist, kValley);
  cairo_rectangle(cr, 0, 700, kLevelWidth, kLevelHeight - 700);
  setColour(cr, kValley);
  cairo_fill(cr);
  hillRange(cr, 690, 45, 1.3, kMidHill);
  treeLine(cr, 690, 45, 1.3, 46, kMidTrees, 60);
  hillRange(cr, 900, 60, 2.1, kNearHill);
  treeLine(cr, 900, 60, 2.1, 60, kNearTrees, 70);
  verticalGradient(cr, 1000, kLevelHeight, kNearHill, kDeepest);
}

bool inShopFreeBand(int x, int y) {
  return x >= kShopLeft && x <= kShopRight && y >= kMistTop && y < kShopFloorRow;
}

// Makes the shop band exactly free and every other pixel opaque and solid
// (never near-white: red >= 246 with green and blue at 255 would read as free).
void settleCollision(cairo_surface_t* canvas) {
  cairo_surface_flush(canvas);
  unsigned char* data = cairo_image_surface_get_data(canvas);
  int stride = cairo_image_surface_get_stride(canvas);
  const unsigned kFreePixel = 0xFFFAFFFF;  // opaque (250, 255, 255)
  for (int y = 0; y < kLevelHeight; ++y) {
    auto* row = reinterpret_cast<unsigned*>(data + y * stride);
    for (int x = 0; x < kLevelWidth; ++x) {
      unsigned p = row[x] | 0xFF000000;
      bool nearWhite = ((p >> 16) & 255) >= 246 && (p & 0xFFFF) == 0xFFFF;
      if (inShopFreeBand(x, y))
        p = kFreePixel;
      else if (nearWhite)
        p &= ~0x100u;  // green 255 -> 254
      row[x] = p;
    }
  }
  cairo_surface_mark_dirty(canvas);
}

}  // namespace

void paintLevelBackground(const std::string& gameDir) {
  cairo_surface_t* canvas = newCanvas(kLevelWidth, kLevelHeight);
  cairo_t* cr = cairo_create(canvas);
  paintLayers(cr);
  cairo_destroy(cr);
  settleCollision(canvas);
  writeRgbaPng(canvas, gameDir + "/pics/background.png");
  cairo_surface_destroy(canvas);
}
