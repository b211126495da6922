// The shop's sprites: weapon rack and armour rack (72 x 72, full and empty) and the vendor,
// an old badger behind the counter (51 x 61). 24-bit RGB with white 0xFFFFFF as the colour
// key; every picture keeps a transparent border. Positions follow ShopLayout.h.
#include <algorithm>
#include <cmath>
#include <string>

#include "Generators.h"
#include "screens/ScreenArt.h"
#include "shop/ShopLayout.h"

namespace shop {

namespace {

using scr::ellipsePath;
using scr::fillToned;
using scr::Tone;
using scr::tonedEllipse;

const Tone kRackWood = {hex("#c08a55"), hex("#dcaa72"), hex("#8a5f3c"), hex("#2e1f17")};
const Tone kSteel = {hex("#b9c4cf"), hex("#e8eef4"), hex("#7d8a98"), hex("#232833")};
const Tone kGold = {hex("#e8a33d"), hex("#f7d27a"), hex("#a86c1e"), hex("#3a2418")};
const Tone kLeather = {hex("#6e4226"), hex("#8e5a36"), hex("#4a2a18"), hex("#24140c")};
const Tone kHaft = {hex("#9c6a3c"), hex("#ba8652"), hex("#6e4626"), hex("#2e1f17")};
const double kLine = 1.1;

void box(cairo_t* cr, const Tone& tone, double x, double y, double w, double h) {
  cairo_new_path(cr);
  cairo_rectangle(cr, x, y, w, h);
  fillToned(cr, tone, kLine, std::min(w, h) * 0.3, std::min(w, h) * 0.15);
}

// ---- weapon rack ----

void weaponRackBack(cairo_t* cr) {
  double feet = kRackFeetY;
  box(cr, kRackWood, 6, 12, 6, feet - 14);   // left post
  box(cr, kRackWood, 60, 12, 6, feet - 14);  // right post
  box(cr, kRackWood, 4, 13, 64, 5);          // top bar the weapons lean on
}

void weaponRackFront(cairo_t* cr) {
  double feet = kRackFeetY;
  box(cr, kRackWood, 8, feet - 11, 56, 6);  // the trough the weapons stand in
  box(cr, kRackWood, 2, feet - 4, 14, 4);   // feet
  box(cr, kRackWood, 56, feet - 4, 14, 4);
}

// A sword standing on its point, hilt up: pommel at top, guard below it, blade down.
void sword(cairo_t* cr, double x, double top, double bottom, const Tone& guard) {
  double guardY = top + 9;
  cairo_new_path(cr);
  cairo_move_to(cr, x - 2.6, guardY);
  cairo_line_to(cr, x + 2.6, guardY);
  cairo_line_to(cr, x + 2.6, bottom - 4);
  cairo_line_to(cr, x, bottom);
  cairo_line_to(cr, x - 2.6, bottom - 4);
  cairo_close_path(cr);
  fillToned(cr, kSteel, kLine, 1.4, 0.8);
  box(cr, kLeather, x - 1.6, top + 2, 3.2, 7);
  cairo_new_path(cr);
  roundedRect(cr, x - 7, guardY - 1, 14, 3.5, 1.5);
  fillToned(cr, guard, kLine, 1, 0.5);
  tonedEllipse(cr, guard, x, top + 1.5, 2.4, 2.4, 0, kLine);
}

void axe(cairo_t* cr, double x, double top, double bottom) {
  box(cr, kHaft, x - 1.8, top, 3.6, bottom - top);
  cairo_new_path(cr);  // the blade, to the left of the haft
  cairo_move_to(cr, x - 1, top + 3);
  cairo_curve_to(cr, x - 6, top + 2, x - 9, top - 1, x - 12, top - 2);
  cairo_curve_to(cr, x - 14, top + 5, x - 14, top + 12, x - 12, top + 18);
  cairo_curve_to(cr, x - 9, top + 16, x - 6, top + 14, x - 1, top + 13);
  cairo_close_path(cr);
  fillToned(cr, kSteel, kLine, 2, 1);
  box(cr, kLeather, x - 2.2, top + 22, 4.4, 6);
}

void spear(cairo_t* cr, double x, double top, double bottom) {
  box(cr, kHaft, x - 1.4, top + 10, 2.8, bottom - top - 10);
  cairo_new_path(cr);
  cairo_move_to(cr, x, top);
  cairo_curve_to(cr, x + 4, top + 4, x + 4, top + 8, x, top + 12);
  cairo_curve_to(cr, x - 4, top + 8, x - 4, top + 4, x, top);
  cairo_close_path(cr);
  fillToned(cr, kSteel, kLine, 1.2, 0.6);
  box(cr, kGold, x - 2, top + 12, 4, 2.5);
}

void paintWeaponRack(cairo_t* cr, bool full) {
  weaponRackBack(cr);
  if (full) {
    double floor = kRackFeetY - 7;
    spear(cr, 46, 2, floor);
    axe(cr, 34, 9, floor);
    sword(cr, 21, 5, floor, kGold);
    sword(cr, 56, 8, floor, {hex("#c8452c"), hex("#e0674a"), hex("#8e2e1f"), hex("#3a1a12")});
  } else {
    for (double px : {18.0, 30.0, 42.0, 54.0}) box(cr, kRackWood, px - 1.5, 10, 3, 4);  // bare pegs
  }
  weaponRackFront(cr);
}

// ---- armour rack ----

void armourStand(cairo_t* cr) {
  double feet = kRackFeetY;
  box(cr, kRackWood, 33, 12, 6, feet - 14);  // the post
  box(cr, kRackWood, 16, 18, 40, 5);         // the shoulders
  box(cr, kRackWood, 20, feet - 5, 32, 5);   // the foot
  tonedEllipse(cr, kRackWood, 36, 10, 5, 5, 0, kLine);
}

void helmet(cairo_t* cr) {
  cairo_new_path(cr);  // red plume
  cairo_move_to(cr, 36, 4);
  cairo_curve_to(cr, 40, -1, 48, 1, 50, 8);
  cairo_curve_to(cr, 45, 5, 41, 6, 38, 8);
  cairo_close_path(cr);
  fillToned(cr, {hex("#c8452c"), hex("#e0674a"), hex("#8e2e1f"), hex("#3a1a12")}, kLine, 1.5, 0.5);
  cairo_new_path(cr);
  cairo_move_to(cr, 26, 18);
  cairo_curve_to(cr, 25, 6, 30, 3, 36, 3);
  cairo_curve_to(cr, 42, 3, 47, 6, 46, 18);
  cairo_close_path(cr);
  fillToned(cr, kSteel, kLine, 2.5, 1);
  box(cr, {hex("#2a2f3a"), hex("#3a404c"), hex("#1a1e26"), hex("#1a1e26")}, 28, 11, 16, 2.5);  // visor slit
  box(cr, kSteel, 35, 10, 2, 8);                                                               // nose guard
}

void breastplate(cairo_t* cr) {
  cairo_new_path(cr);
  cairo_move_to(cr, 22, 19);
  cairo_line_to(cr, 50, 19);
  cairo_curve_to(cr, 51, 28, 48, 36, 44, 41);
  cairo_line_to(cr, 28, 41);
  cairo_curve_to(cr, 24, 36, 21, 28, 22, 19);
  cairo_close_path(cr);
  fillToned(cr, kSteel, kLine, 3, 1.2);
  setColour(cr, kSteel.shade);
  cairo_set_line_width(cr, 1);
  cairo_move_to(cr, 36, 22);
  cairo_line_to(cr, 36, 39);
  cairo_stroke(cr);
  box(cr, kGold, 27, 39, 18, 3);  // belt
}

void shield(cairo_t* cr) {
  const Tone red = {hex("#b83a2c"), hex("#d85a44"), hex("#7e2418"), hex("#2a1210")};
  double x = 57, top = 24, w = 22, h = kRackFeetY - 1 - top;
  cairo_new_path(cr);
  cairo_move_to(cr, x - w / 2, top);
  cairo_line_to(cr, x + w / 2, top);
  cairo_curve_to(cr, x + w / 2, top + h * 0.6, x + w * 0.2, top + h * 0.85, x, top + h);
  cairo_curve_to(cr, x - w * 0.2, top + h * 0.85, x - w / 2, top + h * 0.6, x - w / 2, top);
  cairo_close_path(cr);
  cairo_path_t* outline = cairo_copy_path(cr);
  fillToned(cr, kGold, kLine, 2, 1);
  cairo_save(cr);  // the red field inside a gold rim
  cairo_translate(cr, x, top + h * 0.45);
  cairo_scale(cr, 0.78, 0.8);
  cairo_translate(cr, -x, -(top + h * 0.45));
  cairo_new_path(cr);
  cairo_append_path(cr, outline);
  cairo_restore(cr);
  fillToned(cr, red, 0, 2.5, 0);
  cairo_path_destroy(outline);
  tonedEllipse(cr, {hex("#8cc063"), hex("#b4dc8a"), hex("#4f8a3c"), hex("#1c3520")}, x, top + h * 0.42, 3,
               5.5, 0.5, 0.8);  // a leaf: the emblem of Thornwald
}

void paintArmourRack(cairo_t* cr, bool full) {
  armourStand(cr);
  if (!full) return;
  breastplate(cr);
  helmet(cr);
  shield(cr);
}

// ---- vendor: an old badger in a green waistcoat, leaning on the counter ----

const Tone kBadgerGrey = {hex("#8a8c94"), hex("#b2b4bc"), hex("#5e6068"), hex("#1f1a24")};
const Tone kBadgerFace = {hex("#ebe8df"), hex("#f7f5ee"), hex("#c8c4b8"), hex("#1f1a24")};
const Tone kBadgerDark = {hex("#2b2833"), hex("#44404e"), hex("#17151c"), hex("#14101a")};
const Tone kWaistcoat = {hex("#4f8a3c"), hex("#76ad55"), hex("#2f5d34"), hex("#16301b")};

void badgerBody(cairo_t* cr) {
  tonedEllipse(cr, kBadgerGrey, 25.5, 56, 22, 20, 0, kLine);  // shoulders, cut by the counter
  cairo_new_path(cr);
  cairo_move_to(cr, 14, 62);
  cairo_curve_to(cr, 14, 46, 19, 38, 25.5, 38);
  cairo_curve_to(cr, 32, 38, 37, 46, 37, 62);
  cairo_close_path(cr);
  fillToned(cr, kWaistcoat, kLine, 3, 1);
  tonedEllipse(cr, kBadgerFace, 25.5, 48, 5, 8, 0, 0.8);  // shirt front
  for (double y : {46.0, 52.0}) tonedEllipse(cr, kGold, 32, y, 1.2, 1.2, 0, 0.6);
  tonedEllipse(cr, kBadgerDark, 8, 56, 6, 4.5, 0.2, kLine);  // paws on the counter
  tonedEllipse(cr, kBadgerDark, 43, 56, 6, 4.5, -0.2, kLine);
}

void badgerHead(cairo_t* cr) {
  tonedEllipse(cr, kBadgerGrey, 12, 9, 5, 5, 0, kLine);  // ears
  tonedEllipse(cr, kBadgerGrey, 39, 9, 5, 5, 0, kLine);
  tonedEllipse(cr, kBadgerFace, 25.5, 22, 17, 15, 0, kLine);
  for (int side = -1; side <= 1; side += 2) {  // the dark stripes over the eyes
    cairo_new_path(cr);
    ellipsePath(cr, 25.5 + side * 8.5, 17, 4.6, 12, side * 0.32);
    fillToned(cr, kBadgerDark, 0, 1.5, 0);
  }
  for (int side = -1; side <= 1; side += 2) {  // kind eyes behind round spectacles
    double ex = 25.5 + side * 7.5;
    cairo_new_path(cr);
    ellipsePath(cr, ex, 21, 1.8, 2);
    setColour(cr, hex("#f4efd8"));
    cairo_fill(cr);
    cairo_arc(cr, ex, 21, 4.2, 0, 2 * M_PI);
    setColour(cr, hex("#e8a33d"));
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
  }
  cairo_move_to(cr, 21.3, 21);
  cairo_line_to(cr, 29.7, 21);
  cairo_stroke(cr);
  tonedEllipse(cr, kBadgerDark, 25.5, 29, 3.2, 2.3, 0, 0.6);  // nose
  cairo_move_to(cr, 22, 32);
  cairo_curve_to(cr, 24, 34.5, 27, 34.5, 29, 32);
  setColour(cr, hex("#1f1a24"));
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
}

void paintVendor(cairo_t* cr) {
  badgerBody(cr);
  badgerHead(cr);
}

void saveSprite(const std::string& path, int w, int h, void (*paint)(cairo_t*, bool), bool full) {
  cairo_surface_t* canvas = newCanvas(w, h);
  cairo_t* cr = cairo_create(canvas);
  cairo_rectangle(cr, 1, 1, w - 2, h - 2);  // keep a transparent border all round
  cairo_clip(cr);
  paint(cr, full);
  cairo_destroy(cr);
  saveKeyed(canvas, path, {1, 1, 1});
  cairo_surface_destroy(canvas);
}

void paintVendorFlag(cairo_t* cr, bool) { paintVendor(cr); }

}  // namespace

}  // namespace shop

void generateShopPictures(const std::string& dir) {
  const std::string pics = dir + "/pics/";
  const int r = shop::kRackSize;
  shop::saveSprite(pics + "weaponrack-full.png", r, r, shop::paintWeaponRack, true);
  shop::saveSprite(pics + "weaponrack-empty.png", r, r, shop::paintWeaponRack, false);
  shop::saveSprite(pics + "armourrack-full.png", r, r, shop::paintArmourRack, true);
  shop::saveSprite(pics + "armourrack-empty.png", r, r, shop::paintArmourRack, false);
  shop::saveSprite(pics + "vendor.png", shop::kVendorW, shop::kVendorH, shop::paintVendorFlag, false);
}
