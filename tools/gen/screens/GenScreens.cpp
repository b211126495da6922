// The nine 640 x 480 screen pictures: title, instructions, story, about, statistics, high
// scores, name entry, victory and the shop background, and the browser's own title and
// instructions (pics-web/). This file paints the title and the screens
// over which the game draws live text; GenScreenText.cpp the text-heavy ones and
// GenShopBackground.cpp the shop.
#include <string>

#include "Generators.h"
#include "platform/Layout.h"
#include "screens/ScreenArt.h"
#include "screens/ScreenPages.h"

namespace scr {

namespace {

const Rgb kInk = hex("#3a2418");

// A wooden sign on two posts; (x, y) is the top-left corner of the board.
void signBoard(cairo_t* cr, double x, double y, double w, double h, double groundY) {
  Tone post = {hex("#6e4a30"), hex("#8e6646"), hex("#4a3326"), hex("#2e1f17")};
  Tone board = {hex("#d9a86a"), hex("#ecc48c"), hex("#b0804a"), hex("#3a2418")};
  for (double px : {x + w * 0.2, x + w * 0.8}) {
    cairo_new_path(cr);
    cairo_rectangle(cr, px - 6, y + h - 10, 12, groundY - y - h + 22);
    fillToned(cr, post, 2, 3, 1);
  }
  cairo_new_path(cr);
  roundedRect(cr, x, y, w, h, 8);
  fillToned(cr, board, 2.5, 5, 2);
  setColour(cr, board.shade);
  cairo_set_line_width(cr, 1.5);
  for (double py = y + 42; py < y + h - 10; py += 44) {  // plank seams
    cairo_move_to(cr, x + 6, py);
    cairo_line_to(cr, x + w - 6, py);
  }
  cairo_stroke(cr);
  for (double nx : {x + 10, x + w - 10}) {  // nails
    cairo_arc(cr, nx, y + 10, 2.5, 0, 6.283);
    cairo_arc(cr, nx, y + h - 10, 2.5, 0, 6.283);
    setColour(cr, hex("#5a4a40"));
    cairo_fill(cr);
  }
}

// In the browser the page cannot be quit (Escape there goes back to the title),
// so its menu leaves the last row out.
void paintTitleMenu(cairo_t* cr, double x, double y, bool web) {
  struct Item {
    const char* key;
    const char* label;
  } items[] = {{"1", "Play"},  {"2", "Instructions"}, {"3", "Story"},
               {"4", "About"}, {"5", "High scores"},  {"Esc", "Quit"}};
  showText(cr, "Press a key:", x + 125, y + 32, 17, hex("#5a3a22"), Align::Centre);
  double capsW = keycapWidth(cr, "Esc", 18), labelX = x + 22 + capsW + 14;
  double top = titleMenu::kFirstRowY - titleMenu::kY + y;
  for (const Item& item : items) {
    if (web && std::string(item.key) == "Esc") continue;
    double kw = keycapWidth(cr, item.key, 18);
    keycap(cr, item.key, x + 22 + (capsW - kw) / 2, top, 18);
    showText(cr, item.label, labelX, top + 21, 21, kInk);
    top += titleMenu::kRowHeight;
  }
}

// A small board with key 8 on it; the game writes the rules chosen beside the key.
void rulesPlaque(cairo_t* cr, double x, double y) {
  Tone board = {hex("#d9a86a"), hex("#ecc48c"), hex("#b0804a"), hex("#3a2418")};
  cairo_new_path(cr);
  roundedRect(cr, x, y, titleMenu::kRulesWidth, titleMenu::kRulesHeight, 6);
  fillToned(cr, board, 2, 3, 1.5);
  keycap(cr, "8", x + 10, y + 4, 16);
}

void paintTitleFor(cairo_t* cr, bool web) {
  ForestLayout layout;
  layout.groundY = 425;
  layout.treeX = {18, 628};
  layout.bushX = {300, 40};
  layout.stoneX = {262};
  layout.mushroomX = {335, 88};
  layout.seed = 11;
  layout.clouds = {{190, 170, 46}, {480, 150, 36}};
  paintForest(cr, morningPalette(), layout);
  signBoard(cr, titleMenu::kX, titleMenu::kY, titleMenu::kWidth, 262, 440);
  paintTitleMenu(cr, titleMenu::kX, titleMenu::kY, web);
  paintPanda(cr, 180, 436, 2.0, PandaPose::Wave);
  paintNut(cr, 262, 417, 18, 0.3);
  rulesPlaque(cr, titleMenu::kRulesX, titleMenu::kRulesY);
  heading(cr, "Thornwald", 320, 100, 86);
  hint(cr, "Free the caged animals of the thorn wood!", 320, 135, 18);
}

}  // namespace

void paintTitle(cairo_t* cr) { paintTitleFor(cr, false); }
void paintTitleWeb(cairo_t* cr) { paintTitleFor(cr, true); }

void paintStats(cairo_t* cr) {
  ForestLayout layout;
  layout.groundY = 418;
  layout.treeX = {-20, 660};
  layout.bushX = {600};
  layout.stoneX = {300};
  layout.mushroomX = {250};
  layout.seed = 23;
  Palette p = duskPalette();
  paintForest(cr, p, layout);
  Rng rng(7);
  paintFireflies(cr, rng, 14, 10, 120, 630, 420);
  paintGate(cr, 92, 432, 128, 200);
  paintPanda(cr, 92, 434, 1.3, PandaPose::Cheer);
  // Whole on the screen, right of the gate, round the lines the game writes on it from
  // x = 200 (classic) or 176 (wild): the longest, the time bonus, is about 435 px.
  darkPanel(cr, 162, 115, 476, 255, 0.86);
  heading(cr, "Level complete!", 396, 90, 44);
  for (int i = 0; i < 4; ++i) paintNut(cr, 200 + i * 19, 426 + (i % 2) * 5, 20, -0.4 + 0.25 * i);
  paintNut(cr, 219, 412, 20, 0.2);
  hint(cr, "Press Space or Up to visit the shop", 320, 468, 20);
}

void paintScores(cairo_t* cr) {
  ForestLayout layout;
  layout.groundY = 430;
  layout.treeX = {8, 632};
  layout.bushX = {190, 600};
  layout.stoneX = {560};
  layout.seed = 37;
  Palette p = nightPalette();
  paintForest(cr, p, layout);
  Rng rng(3);
  cairo_save(cr);
  cairo_rectangle(cr, 100, 0, 440, 110);  // stars only in the open sky between the crowns
  cairo_clip(cr);
  paintStars(cr, rng, 45, 110);
  cairo_restore(cr);
  paintFireflies(cr, rng, 10, 20, 150, 620, 420);
  paintLantern(cr, 62, 160, 20);
  paintPanda(cr, 120, 440, 1.45, PandaPose::Wave);
  darkPanel(cr, 230, 108, 330, 270);
  heading(cr, "High Scores", 395, 86, 44);
  hint(cr, "1: title", 395, 458, 20);
}

void paintSubmit(cairo_t* cr) {
  ForestLayout layout;
  layout.groundY = 430;
  layout.treeX = {-10, 650};
  layout.bushX = {60};
  layout.stoneX = {470};
  layout.mushroomX = {500};
  layout.seed = 41;
  Palette p = nightPalette();
  paintForest(cr, p, layout);
  Rng rng(9);
  cairo_save(cr);
  cairo_rectangle(cr, 90, 0, 460, 120);
  cairo_clip(cr);
  paintStars(cr, rng, 40, 120);
  cairo_restore(cr);
  paintFireflies(cr, rng, 8, 20, 300, 620, 420);
  paintGoblinPeek(cr, 556, 376, 14);
  paintThornBush(cr, p, rng, 560, 446, 66);
  signBoard(cr, 205, 176, 260, 92, 440);
  cairo_new_path(cr);  // the slate where the game writes the name
  roundedRect(cr, 246, 186, 178, 68, 6);
  setColour(cr, hex("#1b1e26"));
  cairo_fill_preserve(cr);
  setColour(cr, hex("#3a2418"));
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
  paintPanda(cr, 120, 440, 1.35, PandaPose::Stand);
  heading(cr, "Game over!", 320, 78, 52);
  hint(cr, "Your score made the high-score table!", 320, 118, 20);
  hint(cr, "Type your name: three letters", 320, 160, 24);
  hint(cr, "Letters A-Z type; the third letter saves it.", 335, 300, 16);
  hint(cr, "1: title", 320, 466, 16);
}

}  // namespace scr

void generateScreens(const std::string& dir) {
  struct Screen {
    const char* file;  // under the game's folder
    void (*paint)(cairo_t*);
  } screens[] = {{"pics/title.png", scr::paintTitle},
                 {"pics/inst.png", scr::paintInstructions},
                 {"pics/story.png", scr::paintStory},
                 {"pics/about.png", scr::paintAbout},
                 {"pics/stats.png", scr::paintStats},
                 {"pics/scores.png", scr::paintScores},
                 {"pics/submit.png", scr::paintSubmit},
                 {"pics/shop-background.png", scr::paintShopBackground},
                 {"pics/victory.png", scr::paintVictory},
                 // The browser's title and instructions, where Escape does not quit; the
                 // web build packs them under the names of the two above.
                 {"pics-web/title.png", scr::paintTitleWeb},
                 {"pics-web/inst.png", scr::paintInstructionsWeb}};
  for (const Screen& s : screens) {
    cairo_surface_t* canvas = newCanvas(kScreenWidth, kScreenHeight);
    cairo_t* cr = cairo_create(canvas);
    s.paint(cr);
    cairo_destroy(cr);
    saveOpaque(canvas, dir + "/" + s.file);
    cairo_surface_destroy(canvas);
  }
}
