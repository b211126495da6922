// The forest backdrop of the screens: sky, hills, trees, thorn bushes, ground (see ScreenArt.h).
#include <cmath>

#include "screens/ScreenArt.h"

namespace scr {

static const double kWidth = 640, kHeight = 480;

Palette morningPalette() {
  Palette p;
  p.skyTop = hex("#9fd2ef");
  p.skyBottom = hex("#f6fbff");
  p.hillFar = hex("#b9dcc4");
  p.hillNear = hex("#96c784");
  p.farTree = hex("#7fb08a");
  p.grass = hex("#4f8a3c");
  p.grassLight = hex("#8cc063");
  p.grassShade = hex("#2f5d34");
  p.canopy = {hex("#4f8a3c"), hex("#8cc063"), hex("#2f5d34"), hex("#1c3520")};
  p.trunk = {hex("#7a5538"), hex("#9c7250"), hex("#4a3326"), hex("#2e1f17")};
  p.bush = {hex("#2f5d34"), hex("#4f8a3c"), hex("#1f3f25"), hex("#132716")};
  p.stone = {hex("#6d7275"), hex("#8d9396"), hex("#4d5154"), hex("#2c2f33")};
  p.thornTip = hex("#c8452c");
  return p;
}

Palette woodPalette() {
  Palette p = morningPalette();
  p.skyTop = hex("#7fbf9f");
  p.skyBottom = hex("#e4f2d6");
  p.hillFar = hex("#9cc6a0");
  p.hillNear = hex("#6fa866");
  p.farTree = hex("#5e9564");
  p.canopy = {hex("#3f7a36"), hex("#76ad55"), hex("#285030"), hex("#16301b")};
  return p;
}

Palette duskPalette() {
  Palette p = morningPalette();
  p.skyTop = hex("#3b2d5c");
  p.skyBottom = hex("#f0a45a");
  p.hillFar = hex("#8d6a86");
  p.hillNear = hex("#5f4d6e");
  p.farTree = hex("#4a3d5c");
  p.grass = hex("#3f6e3a");
  p.grassLight = hex("#6f9a4e");
  p.grassShade = hex("#24442c");
  p.canopy = {hex("#2f5d34"), hex("#5f8a45"), hex("#1d3a26"), hex("#111f16")};
  p.trunk = {hex("#5e4030"), hex("#7e5a40"), hex("#3a281e"), hex("#21150f")};
  p.bush = {hex("#254a2c"), hex("#3c6a3a"), hex("#17301d"), hex("#0d1a10")};
  return p;
}

Palette nightPalette() {
  Palette p;
  p.skyTop = hex("#0a1128");
  p.skyBottom = hex("#24365e");
  p.hillFar = hex("#1f2e50");
  p.hillNear = hex("#182642");
  p.farTree = hex("#142038");
  p.grass = hex("#1f3b3a");
  p.grassLight = hex("#2f5a50");
  p.grassShade = hex("#12262a");
  p.canopy = {hex("#1d3a3c"), hex("#2e5a55"), hex("#122628"), hex("#081214")};
  p.trunk = {hex("#3a2f33"), hex("#4f4248"), hex("#251d22"), hex("#100c10")};
  p.bush = {hex("#17302f"), hex("#254a44"), hex("#0e1f20"), hex("#060e10")};
  p.stone = {hex("#4a5266"), hex("#5f6880"), hex("#343a4c"), hex("#181c26")};
  p.thornTip = hex("#a8405a");
  return p;
}

void paintSky(cairo_t* cr, const Palette& p) {
  paintVerticalBlend(cr, 0, kHeight * 0.75, p.skyTop, p.skyBottom);
}

void paintHills(cairo_t* cr, Rng& rng, double baseY, double amplitude, Rgb colour) {
  double phase1 = rng.range(0, 6.28), phase2 = rng.range(0, 6.28);
  cairo_new_path(cr);
  cairo_move_to(cr, 0, kHeight);
  for (double x = 0; x <= kWidth; x += 4) {
    double y = baseY - amplitude * (0.6 * std::sin(x / 110 + phase1) + 0.4 * std::sin(x / 47 + phase2));
    cairo_line_to(cr, x, y);
  }
  cairo_line_to(cr, kWidth, kHeight);
  cairo_close_path(cr);
  setColour(cr, colour);
  cairo_fill(cr);
}

void paintFarTrees(cairo_t* cr, Rng& rng, double baseY, Rgb colour) {
  setColour(cr, colour);
  for (double x = rng.range(-10, 20); x < kWidth + 20; x += rng.range(26, 48)) {
    double r = rng.range(11, 20), stem = rng.range(8, 22);
    cairo_rectangle(cr, x - 2, baseY - stem, 4, stem + 30);
    cairo_fill(cr);
    ellipsePath(cr, x, baseY - stem - r * 0.8, r, r * 1.15);
    ellipsePath(cr, x + r * 0.5, baseY - stem - r * 0.3, r * 0.7, r * 0.7);
    cairo_fill(cr);
  }
}

// The trunk widens into roots at the bottom and thins toward the crown.
static void trunkPath(cairo_t* cr, double x, double groundY, double height) {
  double wb = height * 0.16, wt = wb * 0.5, top = groundY - height * 0.85, flare = wb * 0.45;
  cairo_new_path(cr);
  cairo_move_to(cr, x - wb / 2 - flare, groundY + 12);
  cairo_curve_to(cr, x - wb / 2, groundY - 8, x - wt / 2, groundY - height * 0.4, x - wt / 2, top);
  cairo_line_to(cr, x + wt / 2, top);
  cairo_curve_to(cr, x + wt / 2, groundY - height * 0.4, x + wb / 2, groundY - 8, x + wb / 2 + flare,
                 groundY + 12);
  cairo_close_path(cr);
}

static void barkLines(cairo_t* cr, const Palette& p, Rng& rng, double x, double groundY, double height) {
  double wb = height * 0.16;
  setColour(cr, p.trunk.shade);
  cairo_set_line_width(cr, 1.5);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int i = 0; i < 4; ++i) {
    double bx = x + rng.range(-wb * 0.28, wb * 0.2), by = groundY - rng.range(10, height * 0.55);
    double len = rng.range(14, 30);
    cairo_move_to(cr, bx, by);
    cairo_curve_to(cr, bx + 2, by - len * 0.3, bx - 2, by - len * 0.7, bx + 1, by - len);
    cairo_stroke(cr);
  }
}

static void canopy(cairo_t* cr, const Palette& p, Rng& rng, double x, double y, double radius) {
  cairo_new_path(cr);
  const int blobs = 9;
  for (int i = 0; i < blobs; ++i) {
    double a = 2 * M_PI * i / blobs + rng.range(-0.2, 0.2);
    double d = radius * rng.range(0.55, 0.8);
    double r = radius * rng.range(0.42, 0.58);
    ellipsePath(cr, x + std::cos(a) * d * 1.25, y + std::sin(a) * d * 0.8, r, r * 0.9);
  }
  ellipsePath(cr, x, y, radius * 0.8, radius * 0.7);
  fillToned(cr, p.canopy, 2, radius * 0.16, radius * 0.07);
}

void paintTree(cairo_t* cr, const Palette& p, Rng& rng, double x, double groundY, double height) {
  trunkPath(cr, x, groundY, height);
  fillToned(cr, p.trunk, 2, height * 0.035, height * 0.012);
  barkLines(cr, p, rng, x, groundY, height);
  double top = groundY - height * 0.85, r = height * 0.3;
  canopy(cr, p, rng, x + rng.range(-10, 10), top - r * 0.25, r);
}

static bool insideOthers(double px, double py, const double (*c)[3], int n, int self) {
  for (int j = 0; j < n; ++j) {
    if (j == self) continue;
    double dx = px - c[j][0], dy = py - c[j][1];
    if (dx * dx + dy * dy < c[j][2] * c[j][2] * 0.98) return true;
  }
  return false;
}

static void thorn(cairo_t* cr, const Palette& p, double x, double y, double angle, double s) {
  double ca = std::cos(angle), sa = std::sin(angle), nx = -sa, ny = ca;
  double tipX = x + ca * 7 * s, tipY = y + sa * 7 * s;
  cairo_new_path(cr);
  cairo_move_to(cr, x + nx * 2.4 * s - ca * s, y + ny * 2.4 * s - sa * s);
  cairo_line_to(cr, tipX, tipY);
  cairo_line_to(cr, x - nx * 2.4 * s - ca * s, y - ny * 2.4 * s - sa * s);
  cairo_close_path(cr);
  setColour(cr, p.trunk.outline);
  cairo_set_line_width(cr, 1);
  cairo_stroke_preserve(cr);
  setColour(cr, p.trunk.shade);
  cairo_fill(cr);
  ellipsePath(cr, tipX - ca * 1.5 * s, tipY - sa * 1.5 * s, 1.4 * s, 1.4 * s);
  setColour(cr, p.thornTip);
  cairo_fill(cr);
}

void paintThornBush(cairo_t* cr, const Palette& p, Rng& rng, double x, double groundY, double size) {
  double c[6][3];
  const int n = 5;
  for (int i = 0; i < n; ++i) {
    double t = (i - (n - 1) / 2.0) / ((n - 1) / 2.0);
    double r = size * (0.42 - 0.14 * t * t) * rng.range(0.9, 1.1);
    c[i][0] = x + t * size * 0.62;
    c[i][1] = groundY - r * 0.75 - (1 - t * t) * size * 0.12;
    c[i][2] = r;
  }
  cairo_new_path(cr);
  for (int i = 0; i < n; ++i) ellipsePath(cr, c[i][0], c[i][1], c[i][2], c[i][2]);
  fillToned(cr, p.bush, 1.5, size * 0.07, size * 0.03);
  double s = size / 60;
  for (int i = 0; i < n; ++i) {
    for (double a = M_PI * 1.05; a < M_PI * 1.98; a += rng.range(0.45, 0.7)) {
      double px = c[i][0] + std::cos(a) * c[i][2], py = c[i][1] + std::sin(a) * c[i][2];
      if (!insideOthers(px, py, c, n, i)) thorn(cr, p, px, py, a, s);
    }
  }
}

static double groundEdge(double x, double topY) {
  return topY + 5 * std::sin(x / 70) + 3 * std::sin(x / 23 + 1);
}

static void groundPath(cairo_t* cr, double topY) {
  cairo_new_path(cr);
  cairo_move_to(cr, -2, kHeight + 2);
  for (double x = -2; x <= kWidth + 2; x += 4) cairo_line_to(cr, x, groundEdge(x, topY));
  cairo_line_to(cr, kWidth + 2, kHeight + 2);
  cairo_close_path(cr);
}

static void grassTufts(cairo_t* cr, const Palette& p, double topY) {
  Rng rng(unsigned(topY) * 7 + 3);
  setColour(cr, p.grassShade);
  cairo_set_line_width(cr, 1.5);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int i = 0; i < 70; ++i) {
    double x = rng.range(0, kWidth), y = rng.range(groundEdge(x, topY) + 12, kHeight);
    cairo_move_to(cr, x - 3, y - 5);
    cairo_line_to(cr, x, y);
    cairo_line_to(cr, x + 3, y - 6);
    cairo_stroke(cr);
  }
}

static void edgeLine(cairo_t* cr, double topY) {
  cairo_new_path(cr);
  for (double x = -2; x <= kWidth + 2; x += 4) cairo_line_to(cr, x, groundEdge(x, topY));
}

void paintGround(cairo_t* cr, const Palette& p, double topY) {
  groundPath(cr, topY);
  setColour(cr, p.grass);
  cairo_fill(cr);
  groundPath(cr, topY + 26);  // a deeper shade toward the front
  setColour(cr, mix(p.grass, p.grassShade, 0.35));
  cairo_fill(cr);
  cairo_save(cr);  // the sunlit rim along the top edge
  groundPath(cr, topY);
  cairo_clip(cr);
  edgeLine(cr, topY);
  setColour(cr, p.grassLight);
  cairo_set_line_width(cr, 12);
  cairo_stroke(cr);
  cairo_restore(cr);
  edgeLine(cr, topY);
  setColour(cr, p.grassShade);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  grassTufts(cr, p, topY);
}

void paintStone(cairo_t* cr, const Palette& p, double x, double groundY, double size) {
  cairo_new_path(cr);
  cairo_move_to(cr, x - size, groundY + 4);
  cairo_curve_to(cr, x - size, groundY - size * 0.8, x - size * 0.3, groundY - size * 0.95, x + size * 0.2,
                 groundY - size * 0.85);
  cairo_curve_to(cr, x + size * 0.9, groundY - size * 0.75, x + size, groundY - size * 0.3, x + size,
                 groundY + 4);
  cairo_close_path(cr);
  fillToned(cr, p.stone, 1.5, size * 0.22, size * 0.1);
  // A cap of moss on top.
  cairo_new_path(cr);
  ellipsePath(cr, x - size * 0.15, groundY - size * 0.8, size * 0.55, size * 0.18, -0.1);
  Tone moss = {p.grassLight, mix(p.grassLight, hex("#ffffff"), 0.3), p.grass, p.grassShade};
  fillToned(cr, moss, 1, size * 0.06, 0);
}

void paintMushroom(cairo_t* cr, double x, double groundY, double size) {
  Tone stem = {hex("#efe2c4"), hex("#fbf3dc"), hex("#cdb98f"), hex("#4a3326")};
  Tone cap = {hex("#c8452c"), hex("#e0674a"), hex("#8e2e1f"), hex("#3a1a12")};
  cairo_new_path(cr);
  cairo_rectangle(cr, x - size * 0.22, groundY - size * 0.75, size * 0.44, size * 0.8);
  fillToned(cr, stem, 1.2, size * 0.1, 0);
  cairo_new_path(cr);
  cairo_move_to(cr, x - size * 0.7, groundY - size * 0.62);
  cairo_curve_to(cr, x - size * 0.65, groundY - size * 1.35, x + size * 0.65, groundY - size * 1.35,
                 x + size * 0.7, groundY - size * 0.62);
  cairo_close_path(cr);
  fillToned(cr, cap, 1.2, size * 0.12, size * 0.06);
  setColour(cr, hex("#fbf3dc"));
  ellipsePath(cr, x - size * 0.3, groundY - size * 0.88, size * 0.11, size * 0.08);
  ellipsePath(cr, x + size * 0.18, groundY - size * 1.0, size * 0.13, size * 0.09);
  ellipsePath(cr, x + size * 0.42, groundY - size * 0.75, size * 0.08, size * 0.06);
  cairo_fill(cr);
}

void paintForest(cairo_t* cr, const Palette& p, const ForestLayout& layout) {
  Rng rng(layout.seed);
  double g = layout.groundY;
  paintSky(cr, p);
  for (const ForestLayout::Cloud& c : layout.clouds)
    paintCloud(cr, c.x, c.y, c.size, mix(p.skyBottom, hex("#ffffff"), 0.6));
  paintHills(cr, rng, g - 150, 22, p.hillFar);
  paintFarTrees(cr, rng, g - 95, p.farTree);
  paintHills(cr, rng, g - 45, 14, p.hillNear);
  for (double x : layout.treeX) paintTree(cr, p, rng, x, g + 4, rng.range(300, 360));
  paintGround(cr, p, g);
  for (double x : layout.stoneX) paintStone(cr, p, x, g + 14, rng.range(14, 20));
  for (double x : layout.mushroomX) paintMushroom(cr, x, g + 16, rng.range(9, 12));
  for (double x : layout.bushX) paintThornBush(cr, p, rng, x, g + 14, rng.range(52, 66));
}

}  // namespace scr
