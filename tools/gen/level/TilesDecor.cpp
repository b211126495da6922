// Decoration tiles: passable props on a transparent cell. Plants and posts stand
// on the cell's bottom edge (the floor below); vines hang from its top edge.
#include <cmath>

#include "level/TilePaint.h"

namespace {

constexpr double kCell = 50.0;         // px
const Rgb kStem = {0.93, 0.89, 0.80};  // mushroom stems, every mood

void stroke(cairo_t* cr, Rgb c, double width) {
  setColour(cr, c);
  cairo_set_line_width(cr, width);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_stroke(cr);
}

void fill(cairo_t* cr, Rgb c, double alpha = 1.0) {
  setColour(cr, c, alpha);
  cairo_fill(cr);
}

void blade(cairo_t* cr, double x, double height, double lean, Rgb c) {
  cairo_move_to(cr, x - 2.5, kCell);
  cairo_curve_to(cr, x - 1, kCell - height * 0.6, x + lean * 0.5, kCell - height * 0.8, x + lean,
                 kCell - height);
  cairo_curve_to(cr, x + lean * 0.4, kCell - height * 0.7, x + 1, kCell - height * 0.5, x + 2.5, kCell);
  cairo_close_path(cr);
  fill(cr, c);
}

void flowerHead(cairo_t* cr, double x, double y, double r, Rgb petal, Rgb centre, Rgb shade) {
  for (int i = 0; i < 5; ++i) {
    double a = i * 2 * M_PI / 5 - M_PI / 2;
    addEllipse(cr, x + std::cos(a) * r * 0.75, y + std::sin(a) * r * 0.75, r * 0.55, r * 0.55);
  }
  fill(cr, shade);
  for (int i = 0; i < 5; ++i) {
    double a = i * 2 * M_PI / 5 - M_PI / 2;
    addEllipse(cr, x + std::cos(a) * r * 0.7 - 0.4, y + std::sin(a) * r * 0.7 - 0.4, r * 0.48, r * 0.48);
  }
  fill(cr, petal);
  addEllipse(cr, x, y, r * 0.38, r * 0.38);
  fill(cr, centre);
}

// A drooping bell on a bent stem (bluebells, snowdrops).
void bellFlower(cairo_t* cr, double x, double height, Rgb bell, const TileMood& m) {
  double topY = kCell - height;
  cairo_move_to(cr, x, kCell);
  cairo_curve_to(cr, x, topY + 6, x + 2, topY, x + 7, topY + 2);
  stroke(cr, m.surface.shade, 1.6);
  cairo_move_to(cr, x + 4, topY + 4);
  cairo_curve_to(cr, x + 3, topY + 10, x + 5, topY + 13, x + 7.5, topY + 13);
  cairo_curve_to(cr, x + 10, topY + 13, x + 12, topY + 10, x + 10, topY + 4);
  cairo_close_path(cr);
  fill(cr, bell);
  addEllipse(cr, x + 6, topY + 7, 1.3, 3);
  fill(cr, {1, 1, 1}, 0.6);
}

void crystal(cairo_t* cr, double x, double height, double width, Rgb c, Rgb light) {
  double topY = kCell - height;
  cairo_move_to(cr, x - width / 2, kCell);
  cairo_line_to(cr, x - width / 2, topY + width * 0.6);
  cairo_line_to(cr, x, topY);
  cairo_line_to(cr, x + width / 2, topY + width * 0.6);
  cairo_line_to(cr, x + width / 2, kCell);
  cairo_close_path(cr);
  fill(cr, c);
  cairo_move_to(cr, x - width / 2, kCell);
  cairo_line_to(cr, x - width / 2, topY + width * 0.6);
  cairo_line_to(cr, x, topY);
  cairo_line_to(cr, x, kCell);
  cairo_close_path(cr);
  fill(cr, light, 0.7);
}

void mushroom(cairo_t* cr, double x, double height, double capR, const TileMood& m) {
  double capY = kCell - height;
  if (m.style == DecorStyle::Cave) {
    addEllipse(cr, x, capY, capR * 1.9, capR * 1.5);
    fill(cr, m.cap, 0.25);
  }
  fillRect(cr, x - capR * 0.3, capY, capR * 0.6, height, kStem);
  cairo_arc(cr, x, capY + 1, capR, M_PI, 2 * M_PI);
  cairo_close_path(cr);
  fill(cr, m.cap);
  addEllipse(cr, x - capR * 0.4, capY - capR * 0.45, capR * 0.22, capR * 0.16);
  addEllipse(cr, x + capR * 0.35, capY - capR * 0.25, capR * 0.16, capR * 0.12);
  fill(cr, m.style == DecorStyle::Snow ? m.surface.base : Rgb{0.98, 0.95, 0.9});
  if (m.style == DecorStyle::Snow) {
    cairo_arc(cr, x, capY + 1 - capR * 0.55, capR * 0.8, M_PI, 2 * M_PI);
    cairo_close_path(cr);
    fill(cr, m.surface.base);
  }
}

void clumpBush(cairo_t* cr, const Tones& t, const TileMood& m) {
  const double clumps[][3] = {{15, 38, 11}, {34, 37, 12}, {25, 28, 12}, {8, 44, 7}, {43, 44, 7}};
  for (const auto& c : clumps) addEllipse(cr, c[0] + 1.5, c[1] + 2, c[2], c[2]);
  fill(cr, t.shade);
  for (const auto& c : clumps) addEllipse(cr, c[0], c[1], c[2] - 1, c[2] - 1);
  fill(cr, t.base);
  for (const auto& c : clumps) addEllipse(cr, c[0] - 3, c[1] - 4, c[2] * 0.4, c[2] * 0.3);
  fill(cr, t.light);
  if (m.style == DecorStyle::Snow) {
    for (const auto& c : clumps) addEllipse(cr, c[0], c[1] - c[2] * 0.6, c[2] * 0.75, c[2] * 0.32);
    fill(cr, m.surface.base);
  }
  if (m.style == DecorStyle::Autumn) {
    const double berries[][2] = {{18, 30}, {30, 40}, {37, 29}};
    for (const auto& b : berries) addEllipse(cr, b[0], b[1], 2, 2);
    fill(cr, m.bloomB);
  }
}

void fern(cairo_t* cr, const TileMood& m) {
  const double fronds[][2] = {{-0.9, 30}, {-0.35, 40}, {0.2, 42}, {0.8, 32}};
  for (const auto& f : fronds) {
    double a = f[0] - M_PI / 2, len = f[1];
    double ex = 25 + std::cos(a) * len, ey = kCell + std::sin(a) * len;
    cairo_move_to(cr, 25, kCell);
    cairo_line_to(cr, ex, ey);
    stroke(cr, m.leaf.shade, 2);
    for (int k = 1; k < 7; ++k) {
      double t = k / 7.0, px = 25 + (ex - 25) * t, py = kCell + (ey - kCell) * t;
      double r = 5.5 * (1 - t) + 1.5;
      addEllipse(cr, px - r * 0.8, py, r, r * 0.45);
      addEllipse(cr, px + r * 0.8, py, r, r * 0.45);
    }
    fill(cr, m.leaf.light);
  }
}

}  // namespace

void paintGrassTuft(cairo_t* cr, const TileMood& m) {
  const Tones& t = m.style == DecorStyle::Snow ? m.leaf : m.surface;
  const double blades[][3] = {{10, 14, -3}, {15, 22, -2}, {20, 17, 1}, {25, 26, 2},
                              {30, 18, 3},  {35, 21, 4},  {40, 13, 3}};
  for (int i = 0; i < 7; ++i) {
    const Rgb& c = i % 3 == 0 ? t.shade : (i % 3 == 1 ? t.base : t.light);
    blade(cr, blades[i][0], blades[i][1], blades[i][2], c);
  }
  if (m.style == DecorStyle::Snow) {
    for (const auto& b : blades) addEllipse(cr, b[0] + b[2], kCell - b[1] + 2, 2.2, 1.6);
    fill(cr, m.surface.light);
  }
}

void paintFlowers(cairo_t* cr, const TileMood& m) {
  switch (m.style) {
    case DecorStyle::Cave:
      crystal(cr, 17, 24, 8, m.bloomB, m.bloomCentre);
      crystal(cr, 26, 34, 10, m.bloomA, m.bloomCentre);
      crystal(cr, 35, 20, 7, m.bloomA, m.bloomCentre);
      return;
    case DecorStyle::Wood:
    case DecorStyle::Snow: {
      Rgb bell = m.style == DecorStyle::Snow ? m.bloomA : m.bloomB;
      bellFlower(cr, 12, 26, bell, m);
      bellFlower(cr, 24, 34, bell, m);
      bellFlower(cr, 33, 22, bell, m);
      return;
    }
    default: {
      const double heads[][3] = {{13, 24, 0}, {25, 34, 1}, {37, 22, 0}};
      for (const auto& h : heads) {
        cairo_move_to(cr, h[0], kCell);
        cairo_curve_to(cr, h[0] - 2, kCell - h[1] * 0.5, h[0] + 2, kCell - h[1] * 0.8, h[0], kCell - h[1]);
        stroke(cr, m.surface.shade, 1.8);
      }
      cairo_move_to(cr, 19, kCell);
      cairo_curve_to(cr, 17, 42, 14, 40, 12, 41);
      cairo_curve_to(cr, 15, 44, 17, 46, 19, kCell);
      fill(cr, m.surface.base);
      for (const auto& h : heads) {
        Rgb petal = h[2] > 0 ? m.bloomB : m.bloomA;
        flowerHead(cr, h[0], kCell - h[1], 6.5, petal, m.bloomCentre, m.surface.shade);
      }
    }
  }
}

void paintMushrooms(cairo_t* cr, const TileMood& m) {
  mushroom(cr, 18, 16, 9, m);
  mushroom(cr, 33, 10, 6, m);
}

void paintBush(cairo_t* cr, const TileMood& m) {
  switch (m.style) {
    case DecorStyle::Cave:
      fern(cr, m);
      return;
    case DecorStyle::Autumn:
      clumpBush(cr, m.surface, m);
      return;
    default:
      clumpBush(cr, m.leaf, m);
  }
}

void paintVines(cairo_t* cr, const TileMood& m) {
  if (m.style == DecorStyle::Snow) {
    const double icicles[][3] = {{9, 16, 5}, {18, 30, 6}, {28, 22, 5}, {38, 36, 7}, {45, 14, 4}};
    for (const auto& i : icicles) {
      cairo_move_to(cr, i[0] - i[2] / 2, 0);
      cairo_line_to(cr, i[0], i[1]);
      cairo_line_to(cr, i[0] + i[2] / 2, 0);
      cairo_close_path(cr);
      fill(cr, m.bloomB);
      cairo_move_to(cr, i[0] - i[2] / 2, 0);
      cairo_line_to(cr, i[0], i[1]);
      cairo_line_to(cr, i[0], 0);
      cairo_close_path(cr);
      fill(cr, m.bloomA);
    }
    return;
  }
  const bool roots = m.style == DecorStyle::Cave;
  const Tones& t = roots ? m.bark : m.leaf;
  const double vines[][2] = {{11, 34}, {26, 46}, {40, 28}};
  for (const auto& v : vines) {
    cairo_move_to(cr, v[0], 0);
    cairo_curve_to(cr, v[0] - 5, v[1] * 0.35, v[0] + 5, v[1] * 0.65, v[0], v[1]);
    stroke(cr, t.shade, 2);
    for (int k = 1; k <= 4; ++k) {
      double y = v[1] * k / 4.5, side = k % 2 ? -1 : 1;
      addEllipse(cr, v[0] + side * 3.5, y, roots ? 1.6 : 3.6, roots ? 1.6 : 2.2);
    }
    fill(cr, roots ? m.bloomA : (m.style == DecorStyle::Autumn ? m.surface.base : t.light));
  }
}

void paintSignpost(cairo_t* cr, const TileMood& m) {
  fillRect(cr, 22, 14, 6, 36, m.outline);
  fillRect(cr, 23, 14, 4, 36, m.wood.base);
  fillRect(cr, 23, 14, 1.5, 36, m.wood.light);
  // The arrow points right, the way through the level.
  cairo_move_to(cr, 8, 8);
  cairo_line_to(cr, 36, 8);
  cairo_line_to(cr, 45, 16);
  cairo_line_to(cr, 36, 24);
  cairo_line_to(cr, 8, 24);
  cairo_close_path(cr);
  setColour(cr, m.wood.light);
  cairo_fill_preserve(cr);
  setColour(cr, m.outline);
  cairo_set_line_width(cr, 1.6);
  cairo_stroke(cr);
  fillRect(cr, 9, 19, 27, 4, m.wood.shade);
  cairo_move_to(cr, 14, 16);
  cairo_line_to(cr, 33, 16);
  stroke(cr, m.wood.shade, 2);
  if (m.style == DecorStyle::Snow) fillRect(cr, 9, 6, 27, 3, m.surface.base);
}

void paintLantern(cairo_t* cr, const TileMood& m) {
  const bool dark = m.style == DecorStyle::Cave || m.style == DecorStyle::Snow;
  addEllipse(cr, 33, 24, 15, 15);
  fill(cr, m.glow, dark ? 0.35 : 0.2);
  fillRect(cr, 12, 6, 4, 44, m.outline);
  fillRect(cr, 12, 6, 22, 3, m.outline);
  fillRect(cr, 32, 9, 2, 5, m.outline);
  cairo_rectangle(cr, 27, 14, 12, 16);
  setColour(cr, m.glow);
  cairo_fill_preserve(cr);
  setColour(cr, m.outline);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  fillRect(cr, 25, 12, 16, 3, m.outline);
  fillRect(cr, 29, 16, 3, 11, {1, 1, 0.9});
  if (m.style == DecorStyle::Snow) fillRect(cr, 11, 4, 24, 3, m.surface.base);
}
