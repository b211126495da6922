// The victory screen after the last level: the panda cheering among the animals it
// freed, open cages behind them, and a dark panel where the game writes the final
// score, the nuts and the animals.
#include "extras/ExtrasPainter.h"
#include "kit/SpriteKit.h"
#include "screens/ScreenArt.h"
#include "screens/ScreenPages.h"

namespace scr {

namespace {

const int kCell = 50;        // px, the rescued rabbit's cell on the extras sheet
const int kRabbitScale = 2;  // the screen's rabbits are twice their size in play

// A rescued rabbit with its heart, outlined as in play, its cell's top-left at (x, y).
void freedRabbit(cairo_t* cr, int x, int y, bool mirrored) {
  int size = kCell * kRabbitScale;
  cairo_surface_t* canvas = newCanvas(size, size);
  cairo_t* pen = cairo_create(canvas);
  cairo_scale(pen, kRabbitScale, kRabbitScale);
  extras::paintFreeRabbit(pen);
  cairo_destroy(pen);
  kit::stampOutlined(cr, canvas, x, y, extras::kWoodOutline, 3, mirrored);
  cairo_surface_destroy(canvas);
}

// An empty cage with its door swung open, standing on groundY.
void openCage(cairo_t* cr, double x, double groundY, double w, double h) {
  Tone wood = {hex("#8a5f3c"), hex("#b07e52"), hex("#5a3d26"), hex("#2e1f17")};
  double y = groundY - h;
  for (int i = 0; i <= 4; ++i) {
    cairo_new_path(cr);
    cairo_rectangle(cr, x + 3 + i * (w - 6) / 4 - 2.5, y, 5, h);
    fillToned(cr, wood, 1, 1.5, 0);
  }
  cairo_new_path(cr);
  cairo_rectangle(cr, x - 5, y - 5, w + 10, 10);
  cairo_rectangle(cr, x - 5, groundY - 8, w + 10, 10);
  fillToned(cr, wood, 1.5, 3, 1);
  cairo_new_path(cr);  // the door, swung out to the side
  cairo_move_to(cr, x + w, y + 4);
  cairo_line_to(cr, x + w + w * 0.45, y + 14);
  cairo_line_to(cr, x + w + w * 0.45, groundY - 2);
  cairo_line_to(cr, x + w, groundY - 8);
  cairo_close_path(cr);
  fillToned(cr, wood, 1.5, 3, 1);
}

}  // namespace

void paintVictory(cairo_t* cr) {
  ForestLayout layout;
  layout.groundY = 420;
  layout.treeX = {-10, 652};
  layout.bushX = {560};
  layout.mushroomX = {300, 610};
  layout.seed = 53;
  layout.clouds = {{250, 150, 30}, {560, 132, 26}};
  Palette p = morningPalette();
  paintForest(cr, p, layout);
  Rng rng(17);
  paintFireflies(cr, rng, 12, 20, 140, 300, 400);
  openCage(cr, 24, 424, 58, 64);
  openCage(cr, 232, 428, 52, 58);
  paintPanda(cr, 150, 440, 1.9, PandaPose::Cheer);
  freedRabbit(cr, 36, 330, false);
  freedRabbit(cr, 196, 336, true);
  freedRabbit(cr, 90, 172, false);
  for (int i = 0; i < 3; ++i) paintNut(cr, 330 + i * 22, 440 + (i % 2) * 5, 22, -0.3 + 0.3 * i);
  // The game writes three lines here, from y 190 at x 330.
  darkPanel(cr, 310, 160, 310, 170, 0.86);
  heading(cr, "You crossed Thornwald!", 320, 76, 44);
  hint(cr, "All " + levelCountWord() + " parts of the wood are behind you.", 320, 116, 20);
  hint(cr, "Press Space or Up to go on", 465, 468, 20);
}

}  // namespace scr
