// pics/goblinsheet.png: every goblin animation on a grid of 50 x 50 cells.
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "Generators.h"
#include "goblins/GoblinPainter.h"
#include "kit/Paint.h"
#include "platform/Layout.h"

namespace {
using namespace goblinSheet;
const int kCellCount = kCellsPerRow * (kHeight / kCell);

// The cell `step` places after `first` in reading order (rows wrap at the right edge).
Cell cellOnSheet(Cell first, int step) {
  Cell c = cellAfter(first, step);
  if (c.y >= kHeight) {
    std::fprintf(stderr, "thornwald-gen: goblin animation runs off the sheet\n");
    std::exit(1);
  }
  return c;
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

// One goblin's attack and walk, where the game looks for them.
void paintRuns(cairo_t* cr, int breed, int kind, bool facingRight, std::vector<bool>& used) {
  const Runs& runs = kBreeds[breed].runs[kind][facingRight ? 1 : 0];
  goblins::BreedLook look = goblins::breedLook(breed);
  goblins::Build build = goblins::kindBuild(kind);
  for (int i = 0; i < runs.attackFrames; ++i) {
    Cell c = cellOnSheet(runs.attack, i);
    claim(used, c);
    paintCell(cr, c, facingRight, look, build, goblins::attackPose(build, i, runs.attackFrames));
  }
  for (int i = 0; i < kWalkFrames; ++i) {
    Cell c = cellOnSheet(runs.walk, i);
    claim(used, c);
    paintCell(cr, c, facingRight, look, build, goblins::walkPose(build, i, kWalkFrames));
  }
}
}  // namespace

void generateGoblins(const std::string& dir) {
  cairo_surface_t* canvas = newCanvas(kWidth, kHeight);
  cairo_t* cr = cairo_create(canvas);
  std::vector<bool> used(kCellCount, false);
  for (int breed = 0; breed < kBreedCount; ++breed)
    for (int kind = 0; kind < kKinds; ++kind)
      for (bool facingRight : {true, false}) paintRuns(cr, breed, kind, facingRight, used);
  cairo_destroy(cr);
  saveKeyed(canvas, dir + "/pics/goblinsheet.png", hex("#ff00ff"));
  cairo_surface_destroy(canvas);
}
