// pics/goblinsheet.png: every goblin animation on a grid of 50 x 50 cells.
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "Generators.h"
#include "goblins/GoblinPainter.h"
#include "kit/Paint.h"

namespace {
const int kSheetWidth = 1000, kSheetHeight = 650;  // px
const int kCell = 50;                              // px, square
const int kCellsPerRow = kSheetWidth / kCell;
const int kCellCount = kCellsPerRow * (kSheetHeight / kCell);
const int kWalkFrames = 10;

struct Cell {
  int x, y;  // px, top-left corner on the sheet
};

// Where the game looks for each goblin's frames.
struct GoblinRow {
  bool rare;
  int kind;
  bool facingRight;
  Cell attack;
  int attackFrames;
  Cell walk;
};
const GoblinRow kRows[] = {
    {false, 0, true, {700, 300}, 6, {900, 350}}, {false, 0, false, {400, 300}, 6, {400, 350}},
    {false, 1, true, {800, 400}, 7, {100, 500}}, {false, 1, false, {400, 400}, 7, {600, 450}},
    {false, 2, true, {950, 500}, 7, {400, 600}}, {false, 2, false, {600, 500}, 7, {900, 550}},
    {true, 0, true, {300, 0}, 6, {500, 50}},     {true, 0, false, {0, 0}, 6, {0, 50}},
    {true, 1, true, {350, 100}, 7, {600, 150}},  {true, 1, false, {0, 100}, 7, {100, 150}},
    {true, 2, true, {450, 200}, 7, {900, 250}},  {true, 2, false, {100, 200}, 7, {400, 250}},
};

// The cell `step` places after `first` in reading order (rows wrap at the right edge).
Cell cellAfter(Cell first, int step) {
  int index = (first.y / kCell) * kCellsPerRow + first.x / kCell + step;
  if (index >= kCellCount) {
    std::fprintf(stderr, "thornwald-gen: goblin animation runs off the sheet\n");
    std::exit(1);
  }
  return {(index % kCellsPerRow) * kCell, (index / kCellsPerRow) * kCell};
}

// Dies rather than let two animations share a cell; the check runs in every build.
void claim(std::vector<bool>& used, Cell c) {
  int index = (c.y / kCell) * kCellsPerRow + c.x / kCell;
  if (used[index]) {
    std::fprintf(stderr, "thornwald-gen: two goblin animations share cell (%d, %d)\n", c.x, c.y);
    std::exit(1);
  }
  used[index] = true;
}

void paintCell(cairo_t* cr, Cell c, bool facingRight, const goblins::BreedLook& look,
               const goblins::Build& build, const goblins::Pose& pose) {
  cairo_save(cr);
  cairo_rectangle(cr, c.x, c.y, kCell, kCell);
  cairo_clip(cr);
  cairo_translate(cr, c.x, c.y);
  if (!facingRight) {  // left-facing frames are exact mirrors
    cairo_translate(cr, kCell, 0);
    cairo_scale(cr, -1, 1);
  }
  goblins::paintGoblin(cr, look, build, pose);
  cairo_restore(cr);
}

void paintRow(cairo_t* cr, const GoblinRow& row, std::vector<bool>& used) {
  goblins::BreedLook look = goblins::breedLook(row.rare);
  goblins::Build build = goblins::kindBuild(row.kind);
  for (int i = 0; i < row.attackFrames; ++i) {
    Cell c = cellAfter(row.attack, i);
    claim(used, c);
    paintCell(cr, c, row.facingRight, look, build, goblins::attackPose(build, i, row.attackFrames));
  }
  for (int i = 0; i < kWalkFrames; ++i) {
    Cell c = cellAfter(row.walk, i);
    claim(used, c);
    paintCell(cr, c, row.facingRight, look, build, goblins::walkPose(build, i, kWalkFrames));
  }
}
}  // namespace

void generateGoblins(const std::string& dir) {
  cairo_surface_t* canvas = newCanvas(kSheetWidth, kSheetHeight);
  cairo_t* cr = cairo_create(canvas);
  std::vector<bool> used(kCellCount, false);
  for (const GoblinRow& row : kRows) paintRow(cr, row, used);
  cairo_destroy(cr);
  saveKeyed(canvas, dir + "/pics/goblinsheet.png", hex("#ff00ff"));
  cairo_surface_destroy(canvas);
}
