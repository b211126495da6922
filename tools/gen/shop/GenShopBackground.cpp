// The shop interior, "shop-background.png": the old badger's shop in a wooden hut, with the
// racks' corner, the counter, a chalkboard for the offers and an open door to the right.
// Positions follow ShopLayout.h.
#include <algorithm>
#include <cmath>

#include "screens/ScreenArt.h"
#include "screens/ScreenPages.h"
#include "shop/ShopLayout.h"

namespace scr {

namespace {

const Tone kWood = {hex("#8a5f3c"), hex("#b07e52"), hex("#5a3d26"), hex("#2e1f17")};
const Tone kDarkWood = {hex("#4a3326"), hex("#5e4232"), hex("#33231a"), hex("#1e140e")};

void wall(cairo_t* cr) {
  Rng rng(17);
  for (int i = 0; i * 32 < 640; ++i) {
    cairo_rectangle(cr, i * 32, shop::kBeamH, 32, shop::kFloorY - shop::kBeamH);
    setColour(cr, hex(i % 2 ? "#6e4a30" : "#684629"));
    cairo_fill(cr);
    setColour(cr, hex("#3f2a1c"));
    cairo_rectangle(cr, i * 32, shop::kBeamH, 1.5, shop::kFloorY - shop::kBeamH);
    cairo_fill(cr);
    for (int k = 0; k < 2; ++k) {  // knots in the planks
      ellipsePath(cr, i * 32 + rng.range(8, 24), rng.range(60, 230), rng.range(2, 3.5), rng.range(3.5, 6));
      setColour(cr, hex("#543822"));
      cairo_fill(cr);
    }
  }
  cairo_rectangle(cr, 0, 240, 640, shop::kFloorY - 240);  // darker wainscot below the trim
  setColour(cr, hex("#573a26"));
  cairo_fill(cr);
  cairo_new_path(cr);
  cairo_rectangle(cr, -4, 236, 648, 7);
  fillToned(cr, kWood, 1, 2, 1);
}

void topBeam(cairo_t* cr) {
  cairo_rectangle(cr, 0, 0, 640, shop::kBeamH);
  setColour(cr, hex("#2a1c14"));
  cairo_fill(cr);
  cairo_rectangle(cr, 0, shop::kBeamH - 5, 640, 5);
  setColour(cr, hex("#3a281d"));
  cairo_fill(cr);
  cairo_rectangle(cr, 0, shop::kBeamH, 640, 2);
  setColour(cr, hex("#120b08"));
  cairo_fill(cr);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, shop::kBeamH, 0, shop::kBeamH + 14);
  cairo_pattern_add_color_stop_rgba(g, 0, 0, 0, 0, 0.35);
  cairo_pattern_add_color_stop_rgba(g, 1, 0, 0, 0, 0);
  cairo_set_source(cr, g);
  cairo_rectangle(cr, 0, shop::kBeamH, 640, 14);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}

void roundWindow(cairo_t* cr, double x, double y, double r) {
  cairo_save(cr);
  cairo_arc(cr, x, y, r, 0, 2 * M_PI);
  cairo_clip(cr);
  paintVerticalBlend(cr, y - r, y + r, {0.62, 0.82, 0.94}, {0.96, 0.98, 1.0});
  Palette p = morningPalette();
  Rng rng(8);
  paintFarTrees(cr, rng, y + r * 0.7, p.farTree);
  cairo_restore(cr);
  setColour(cr, hex("#4a3326"));
  cairo_set_line_width(cr, 3);
  cairo_move_to(cr, x - r, y);
  cairo_line_to(cr, x + r, y);
  cairo_move_to(cr, x, y - r);
  cairo_line_to(cr, x, y + r);
  cairo_stroke(cr);
  cairo_new_path(cr);
  cairo_arc(cr, x, y, r + 6, 0, 2 * M_PI);
  cairo_arc_negative(cr, x, y, r, 2 * M_PI, 0);
  fillToned(cr, kWood, 1.5, 2.5, 1);
}

void chalkDoodles(cairo_t* cr) {
  double x = shop::kBoardX + shop::kBoardW - 26;
  setColour(cr, hex("#dfe8e0"), 0.75);
  cairo_set_line_width(cr, 1.6);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_move_to(cr, x - 9, 104);  // a shield beside the armour offer (y 100)
  cairo_line_to(cr, x + 9, 104);
  cairo_curve_to(cr, x + 9, 116, x + 4, 122, x, 125);
  cairo_curve_to(cr, x - 4, 122, x - 9, 116, x - 9, 104);
  cairo_move_to(cr, x, 107);
  cairo_line_to(cr, x, 120);
  cairo_move_to(cr, x - 5, 112);
  cairo_line_to(cr, x + 5, 112);
  cairo_stroke(cr);
  cairo_move_to(cr, x - 8, 176);  // a sword beside the weapon offer (y 150)
  cairo_line_to(cr, x + 8, 154);
  cairo_move_to(cr, x - 7, 166);
  cairo_line_to(cr, x - 1, 172);
  cairo_stroke(cr);
}

void chalkboard(cairo_t* cr) {
  double x = shop::kBoardX, y = shop::kBoardY, w = shop::kBoardW, h = shop::kBoardH;
  setColour(cr, hex("#2e1f17"));
  cairo_set_line_width(cr, 1.5);
  cairo_move_to(cr, x + 40, shop::kBeamH);
  cairo_line_to(cr, x + 48, y);
  cairo_move_to(cr, x + w - 40, shop::kBeamH);
  cairo_line_to(cr, x + w - 48, y);
  cairo_stroke(cr);
  cairo_new_path(cr);
  roundedRect(cr, x - 7, y - 7, w + 14, h + 14, 5);
  fillToned(cr, kWood, 1.5, 3, 1.5);
  cairo_rectangle(cr, x, y, w, h);
  setColour(cr, hex("#1f2b27"));
  cairo_fill(cr);
  Rng rng(12);
  for (int i = 0; i < 6; ++i) {  // faint smudges of old chalk
    ellipsePath(cr, rng.range(x + 20, x + w - 20), rng.range(y + 10, y + h - 10), rng.range(20, 50),
                rng.range(5, 10), rng.range(-0.2, 0.2));
    setColour(cr, hex("#dfe8e0"), 0.035);
    cairo_fill(cr);
  }
  chalkDoodles(cr);
}

void jar(cairo_t* cr, double x, double baseY, double w, double h) {
  cairo_new_path(cr);
  roundedRect(cr, x - w / 2, baseY - h, w, h, 4);
  setColour(cr, hex("#a9c4c8"), 0.45);
  cairo_fill_preserve(cr);
  setColour(cr, hex("#2e3a3c"));
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
  for (int i = 0; i < 3; ++i) paintNut(cr, x - w / 4 + i * w / 4, baseY - 5 - (i % 2) * 4, 8, 0.4 * i);
  cairo_new_path(cr);
  cairo_rectangle(cr, x - w / 2 - 1, baseY - h - 3, w + 2, 4);
  fillToned(cr, kDarkWood, 1, 1, 0);
}

void shelf(cairo_t* cr) {
  double y = 212;
  for (double bx : {408.0, 552.0}) {
    cairo_new_path(cr);
    cairo_move_to(cr, bx - 3, y);
    cairo_line_to(cr, bx + 3, y);
    cairo_line_to(cr, bx + 3, y + 14);
    cairo_close_path(cr);
    fillToned(cr, kDarkWood, 1, 1, 0);
  }
  jar(cr, 420, y, 18, 20);
  jar(cr, 530, y, 16, 16);
  jar(cr, 548, y, 14, 20);
  paintNut(cr, 505, y - 6, 12, 0.3);
  cairo_new_path(cr);
  cairo_rectangle(cr, 396, y, 170, 6);
  fillToned(cr, kWood, 1.2, 2, 1);
}

void doorway(cairo_t* cr) {
  double left = 590, top = 168;
  cairo_save(cr);
  cairo_rectangle(cr, left, top, 640 - left, shop::kFloorY - top);
  cairo_clip(cr);
  paintVerticalBlend(cr, top, shop::kFloorY, {0.75, 0.89, 0.96}, {0.97, 0.99, 1.0});
  Palette p = morningPalette();
  Rng rng(21);
  paintFarTrees(cr, rng, 268, p.farTree);
  paintThornBush(cr, p, rng, 628, 300, 34);
  cairo_rectangle(cr, left, 288, 640 - left, 30);
  setColour(cr, p.grassLight);
  cairo_fill(cr);
  cairo_restore(cr);
  cairo_new_path(cr);
  cairo_rectangle(cr, left - 12, top - 4, 12, shop::kFloorY - top + 4);  // the door post
  fillToned(cr, kWood, 1.5, 3, 1);
  cairo_new_path(cr);
  cairo_rectangle(cr, left - 18, top - 14, 70, 12);  // the lintel
  fillToned(cr, kWood, 1.5, 3, 1);
}

void counter(cairo_t* cr) {
  double x = 414, w = 112, top = shop::kCounterTopY;
  cairo_new_path(cr);
  cairo_rectangle(cr, x, top + 6, w, shop::kFloorY - top - 4);
  fillToned(cr, kWood, 1.5, 4, 1.5);
  setColour(cr, kWood.shade);
  cairo_set_line_width(cr, 1.5);
  for (double px = x + 28; px < x + w - 10; px += 28) {
    cairo_move_to(cr, px, top + 9);
    cairo_line_to(cr, px, shop::kFloorY - 1);
  }
  cairo_stroke(cr);
  cairo_new_path(cr);
  cairo_rectangle(cr, x - 6, top, w + 12, 7);
  fillToned(cr, kDarkWood, 1.2, 2, 1);
  paintNut(cr, 500, top - 5, 12, -0.3);
  paintNut(cr, 512, top - 4, 11, 0.5);
}

void floorBoards(cairo_t* cr) {
  double y = shop::kFloorY, h = 11;
  Rng rng(31);
  for (int row = 0; y < 480; ++row) {
    cairo_rectangle(cr, 0, y, 640, h);
    setColour(cr, mix(hex("#a0703f"), hex("#6e4a2c"), std::min(1.0, (y - 310) / 190)));
    cairo_fill(cr);
    setColour(cr, hex("#4a3122"));
    cairo_rectangle(cr, 0, y + h - 1.5, 640, 1.5);
    for (double sx = rng.range(20, 160); sx < 640; sx += rng.range(140, 240))
      cairo_rectangle(cr, sx, y, 1.5, h);
    cairo_fill(cr);
    y += h;
    h *= 1.22;
  }
  cairo_rectangle(cr, 0, shop::kFloorY - 1, 640, 2.5);  // the floor's edge, where everything stands
  setColour(cr, hex("#2e1f17"));
  cairo_fill(cr);
  cairo_rectangle(cr, 0, shop::kFloorY + 1.5, 640, 2);
  setColour(cr, hex("#c8925a"));
  cairo_fill(cr);
}

void groundShadows(cairo_t* cr) {
  double y = shop::kFloorY + 2;
  cairo_set_source_rgba(cr, 0.1, 0.05, 0.02, 0.35);
  ellipsePath(cr, shop::kWeaponRackX + 36, y, 36, 4);
  ellipsePath(cr, shop::kArmourRackX + 36, y, 36, 4);
  ellipsePath(cr, 470, y, 62, 4);
  cairo_fill(cr);
  cairo_move_to(cr, 590, shop::kFloorY + 3);  // daylight spilling in through the door
  cairo_line_to(cr, 640, shop::kFloorY + 3);
  cairo_line_to(cr, 640, 480);
  cairo_line_to(cr, 440, 480);
  cairo_close_path(cr);
  cairo_pattern_t* g = cairo_pattern_create_linear(640, 0, 470, 0);
  cairo_pattern_add_color_stop_rgba(g, 0, 1, 0.95, 0.77, 0.2);
  cairo_pattern_add_color_stop_rgba(g, 1, 1, 0.95, 0.77, 0);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}

// An oval rag rug on the floor, in rings of the forest's colours.
void rug(cairo_t* cr, double cx, double cy) {
  const char* rings[] = {"#6e2a22", "#c8452c", "#e8c98a", "#4f8a3c", "#c8452c", "#e8a33d"};
  double rx = 120, ry = 26;
  cairo_save(cr);
  cairo_translate(cr, 3, 4);
  ellipsePath(cr, cx, cy, rx, ry);
  cairo_set_source_rgba(cr, 0.1, 0.05, 0.02, 0.3);
  cairo_fill(cr);
  cairo_restore(cr);
  for (int i = 0; i < 6; ++i) {
    ellipsePath(cr, cx, cy, rx - i * 16, ry - i * 3.5);
    setColour(cr, hex(rings[i]));
    cairo_fill(cr);
  }
  ellipsePath(cr, cx, cy, rx, ry);
  setColour(cr, hex("#3a1a12"));
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
}

void plaque(cairo_t* cr, const char* text, double cx) {
  double w = textWidth(cr, text, 11) + 12;
  cairo_new_path(cr);
  roundedRect(cr, cx - w / 2, 212, w, 18, 3);
  fillToned(cr, {hex("#d9a86a"), hex("#ecc48c"), hex("#b0804a"), hex("#2e1f17")}, 1.2, 2, 1);
  showText(cr, text, cx, 225, 11, hex("#3a2418"), Align::Centre);
}

void sack(cairo_t* cr, double x) {
  Tone burlap = {hex("#c8a56e"), hex("#dcbf8c"), hex("#9a7a48"), hex("#3a2418")};
  double y = shop::kFloorY + 2;
  cairo_new_path(cr);
  cairo_move_to(cr, x - 16, y);
  cairo_curve_to(cr, x - 24, y - 20, x - 12, y - 30, x - 7, y - 32);
  cairo_line_to(cr, x + 7, y - 32);
  cairo_curve_to(cr, x + 12, y - 30, x + 24, y - 20, x + 16, y);
  cairo_close_path(cr);
  fillToned(cr, burlap, 1.2, 4, 1.5);
  for (int i = 0; i < 3; ++i) paintNut(cr, x - 6 + i * 6, y - 33 - (i % 2) * 3, 10, 0.5 * i);
  paintNut(cr, x + 24, y - 4, 10, 1.2);
}

void healthBarColour(cairo_t* cr) {
  cairo_rectangle(cr, 0, 0, 4, 10);
  setColour(cr, hex(shop::kHealthRed));
  cairo_fill(cr);
}

}  // namespace

void paintShopBackground(cairo_t* cr) {
  wall(cr);
  roundWindow(cr, 48, 140, 30);
  doorway(cr);
  shelf(cr);
  chalkboard(cr);
  paintLantern(cr, 130, 52, 14);
  topBeam(cr);  // over the lantern's glow, so the status line stays on calm dark wood
  plaque(cr, "Weapons", shop::kWeaponRackX + 36);
  plaque(cr, "Armour", shop::kArmourRackX + 36);
  floorBoards(cr);
  counter(cr);
  groundShadows(cr);
  rug(cr, 330, 400);
  sack(cr, 362);
  healthBarColour(cr);  // last: nothing may paint over the health bars' colour
}

}  // namespace scr
