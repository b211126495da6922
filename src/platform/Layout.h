#pragma once
// What the game, the picture generator and the tests must agree on, written once:
// how many levels there are, how big each picture is, and where each frame sits on
// the sprite sheets. The generator paints by these numbers and the game cuts its
// frames by them, so a slip shows in the sheet tests instead of on screen.
// Plain numbers only: the generator includes this without SDL.

const int kLevelCount = 5;  // each a map, a row of the tile sheets and a mood

const int kScreenWidth = 640;   // px, the window and every full-screen picture
const int kScreenHeight = 480;  // px
const int kLevelWidth = 7200;   // px, the background, and so every level picture
const int kLevelHeight = 1400;  // px

// The title's menu board: one row a choice, keys 1 to 5 from the top (the
// desktop's title adds Esc below), and the small rules board with key 8 under
// the panda. The page's clicks and taps find the choices by these, px.
namespace titleMenu {
constexpr int kX = 366, kY = 150;  // the board's top-left corner
constexpr int kWidth = 254;        // the board, and each row across it
constexpr int kFirstRowY = 200;    // the top of row 0, under the board's "Press a key:"
constexpr int kRowHeight = 38;     // from one row's top to the next
constexpr int kRows = 5;           // 1 Play to 5 High scores
constexpr int kRulesX = 150, kRulesY = 441, kRulesWidth = 196, kRulesHeight = 34;
}  // namespace titleMenu

// A frame on a sheet: its top-left corner and size, px.
struct SheetRect {
  int x, y, w, h;
};
// A run of `frames` frames of one size side by side, from (x, y), px.
struct SheetRun {
  int x, y, frames;
};

// The two tile sheets (shown and collision): one row a level, one column a tile.
namespace tile {
constexpr int kSize = 50;                      // px, width and height of one cell
constexpr int kColumns = 26;                   // per sheet row
constexpr int kRows = kLevelCount;             // one per level
constexpr int kAir = kColumns - 1;             // white in the collision sheet; any unknown map letter
constexpr int kSheetWidth = kColumns * kSize;  // px
constexpr int kSheetHeight = kRows * kSize;    // px
}  // namespace tile

// pics/player.png: the hero's 50 x 50 frames, each run along one row.
namespace heroSheet {
constexpr int kWidth = 300, kHeight = 650;  // px
constexpr int kFrame = 50;                  // px, width and height
constexpr SheetRun kRunRight = {0, 100, 3}, kRunLeft = {0, 150, 3};
constexpr SheetRun kJumpRight = {0, 200, 6}, kJumpLeft = {0, 250, 6};
constexpr SheetRun kSwingLeft = {0, 300, 3}, kSwingRight = {0, 350, 3};  // the left row comes first
constexpr SheetRun kStandRight = {0, 400, 1}, kStandLeft = {0, 450, 1};  // standing and sliding
constexpr SheetRun kCrouchRight = {50, 400, 1}, kCrouchLeft = {50, 450, 1};
constexpr SheetRun kPuzzled = {100, 600, 1};  // shown when no animation fits
}  // namespace heroSheet

// pics/extrasAnimalsSprites.png: the extras, and the weapon the hero holds.
namespace extrasSheet {
constexpr int kWidth = 450, kHeight = 600;  // px
constexpr int kCell = 50;                   // px, the small pictures are square
constexpr SheetRect kThorn = {0, 150, kCell, kCell};
constexpr SheetRun kTrap = {0, 250, 3};  // set, then the two frames of its snap
constexpr SheetRun kCagedAnimal = {0, 500, 2};
constexpr SheetRect kFreedAnimal = {100, 500, kCell, kCell};
constexpr SheetRect kNut = {0, 550, kCell, kCell};
// The exit gate's two frames; the second starts 7 px inside the first frame's width.
constexpr SheetRect kExit[2] = {{0, 350, 150, 145}, {143, 350, 150, 145}};
// The weapon by level 0 … 5: the row, and the cell's x held idle over the head,
// swung to the right and swung to the left (the mirror of the right).
struct WeaponCells {
  int row, idle, swungRight, swungLeft;
};
constexpr WeaponCells kWeapons[] = {
    {0, 0, 150, 400},  {0, 50, 200, 350},  {0, 100, 250, 300},
    {50, 0, 150, 400}, {50, 50, 200, 350}, {50, 100, 250, 300},
};
constexpr int kWeaponLevels = sizeof kWeapons / sizeof kWeapons[0];
}  // namespace extrasSheet

// pics/goblinsheet.png: 50 x 50 cells, read row by row like text, so a run may wrap
// to the next row.
namespace goblinSheet {
constexpr int kWidth = 1000, kHeight = 650;  // px
constexpr int kCell = 50;                    // px, square
constexpr int kCellsPerRow = kWidth / kCell;
constexpr int kWalkFrames = 10;
constexpr int kKinds = 3;  // 0 small with a dagger, 1 stocky with a club, 2 tall with a spear

struct Cell {
  int x, y;  // px, top-left corner
};
// One goblin's two runs: its attack and its walk (kWalkFrames).
struct Runs {
  Cell attack;
  int attackFrames;
  Cell walk;
};
// A breed: the same kinds in other colours. Its runs by kind, then facing (left, right).
struct Breed {
  Runs runs[kKinds][2];
};
constexpr int kCommonBreed = 0;
constexpr int kRareBreed = 1;  // bone armour, slower
constexpr Breed kBreeds[] = {
    {{
        {{{400, 300}, 6, {400, 350}}, {{700, 300}, 6, {900, 350}}},
        {{{400, 400}, 7, {600, 450}}, {{800, 400}, 7, {100, 500}}},
        {{{600, 500}, 7, {900, 550}}, {{950, 500}, 7, {400, 600}}},
    }},
    {{
        {{{0, 0}, 6, {0, 50}}, {{300, 0}, 6, {500, 50}}},
        {{{0, 100}, 7, {100, 150}}, {{350, 100}, 7, {600, 150}}},
        {{{100, 200}, 7, {400, 250}}, {{450, 200}, 7, {900, 250}}},
    }},
};
constexpr int kBreedCount = sizeof kBreeds / sizeof kBreeds[0];

// The cell k places after `first` in reading order.
constexpr Cell cellAfter(Cell first, int k) {
  int index = first.y / kCell * kCellsPerRow + first.x / kCell + k;
  return {index % kCellsPerRow * kCell, index / kCellsPerRow * kCell};
}
}  // namespace goblinSheet
