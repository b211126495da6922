// The text-heavy screens: instructions (every key), story and about (see ScreenPages.h).
#include <string>
#include <vector>

#include "screens/ScreenArt.h"
#include "screens/ScreenPages.h"

namespace scr {

namespace {

const Rgb kInk = hex("#3a2418");
const Rgb kSoftInk = hex("#6a4a30");

// One row of the key table: the keys (joined by `joiner`) and what they do.
struct KeyRow {
  std::vector<std::string> keys;
  const char* joiner;
  const char* what;
};

const double kCapSize = 12, kTextSize = 14, kLine = 16.5, kRowGap = 2.5;

// Draws the keys of a row from x; returns the x after the last key.
double rowKeys(cairo_t* cr, const KeyRow& row, double x, double top) {
  for (size_t i = 0; i < row.keys.size(); ++i) {
    if (i > 0) {
      std::string j = std::string(" ") + row.joiner + " ";
      showText(cr, j, x, top + 15, 12, kSoftInk);
      x += textWidth(cr, j, 12);
    }
    x += keycap(cr, row.keys[i], x, top, kCapSize);
  }
  return x;
}

// In the browser Escape cannot quit the page; it goes back to the title.
double keyTable(cairo_t* cr, double top, bool web) {
  const KeyRow rows[] = {
      {{"\u2190", "\u2192"}, "", "Run left or right (let go to slide)"},
      {{"\u2191", "Space"}, "or", "Jump; in the shop: buy; after a level: go on"},
      {{"\u2193"}, "", "Drop: start falling (the ground catches you)"},
      {{"Z"}, "", "Crouch (on other screens Z types the letter)"},
      {{"Left Shift"}, "", "Swing your weapon"},
      {{"Left Ctrl"}, "", "Trade one weapon level for 30 health"},
      {{"1"}, "", "Go to the title; on the title: start a game"},
      {{"2", "5"}, "\u2013", "On the title: instructions, story, about, high scores"},
      {{"8"}, "", "On the title: classic or wild rules for the next game"},
      {{"6"}, "", "Classic rules: go to the shop during play"},
      {{"7"}, "", "Enter your name for the high scores, with the keys A\u2013Z"},
      {{"P"}, "", "Pause during play and in the shop; P again goes on"},
      {{"Esc"}, "", web ? "Back to the title" : "Quit the game"},
  };
  const double textX = 190, textRight = 600;
  for (const KeyRow& row : rows) {
    rowKeys(cr, row, 50, top);
    double next = showWrapped(cr, row.what, textX, top + 15, textRight - textX, kTextSize, kInk, kLine);
    top = next - 15 + kRowGap;
  }
  return top;
}

const double kBoxText = 13.5, kBoxLine = 16;

// A box of text with a picture on its left, as tall as its text; returns its bottom.
double noteBox(cairo_t* cr, double top, const char* text, const char* tint,
               void (*picture)(cairo_t*, double)) {
  const double textTop = top + 17;
  // Measured by painting it once clipped away, then painted over the box.
  cairo_save(cr);
  cairo_rectangle(cr, 0, 0, 0, 0);
  cairo_clip(cr);
  double last = showWrapped(cr, text, 94, textTop, 492, kBoxText, kInk, kBoxLine);
  cairo_restore(cr);
  double h = last - kBoxLine - top + 9;
  roundedRect(cr, 44, top, 552, h, 8);
  setColour(cr, hex(tint));
  cairo_fill_preserve(cr);
  setColour(cr, hex("#b08850"));
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  picture(cr, top + h / 2);
  showWrapped(cr, text, 94, textTop, 492, kBoxText, kInk, kBoxLine);
  return top + h;
}

void nutMark(cairo_t* cr, double y) { paintNut(cr, 70, y, 24, -0.2); }
void thornMark(cairo_t* cr, double y) {
  Rng rng(9);
  paintThornBush(cr, woodPalette(), rng, 68, y + 10, 15);
}

// The goal under both rules, then what the wild rules change: the game's own rules, as
// the shell, the hero and the extras play them.
void goalBoxes(cairo_t* cr, double top) {
  double bottom =
      noteBox(cr, top,
              "Goal: save the caged animals, collect nuts to buy upgrades in the shop, avoid thorns "
              "and traps, and reach the glowing gate. Each second left on the clock then adds 3 points.",
              "#e0c38c", nutMark);
  noteBox(cr, bottom + 4,
          "Wild rules: goblins raise their weapon, then bite; knock them out or jump over them. A thorn "
          "halves your health once per touch; after a hurt you blink safe (2 s after a lost life). At 0 "
          "on the clock you lose a life and it fills again. You start again at the last freed cage. An "
          "arrow points to the gate. Points: 1 a nut, 10 an animal, 5 a goblin, 3 a second left.",
          "#e8c0a0", thornMark);
}

ForestLayout woodLayout(unsigned seed) {
  ForestLayout layout;
  layout.groundY = 432;
  layout.treeX = {0, 640};
  layout.bushX = {120, 520};
  layout.stoneX = {330};
  layout.mushroomX = {250, 410};
  layout.seed = seed;
  return layout;
}

void paintInstructionsFor(cairo_t* cr, bool web) {
  paintForest(cr, woodPalette(), woodLayout(51));
  parchmentPanel(cr, 24, 12, 592, 456);
  heading(cr, "How to play", 320, 42, 28);
  double bottom = keyTable(cr, 52, web);
  goalBoxes(cr, bottom + 2);
}

}  // namespace

void paintInstructions(cairo_t* cr) { paintInstructionsFor(cr, false); }
void paintInstructionsWeb(cairo_t* cr) { paintInstructionsFor(cr, true); }

void paintStory(cairo_t* cr) {
  ForestLayout layout = woodLayout(61);
  layout.bushX = {40, 600};
  layout.mushroomX = {230};
  layout.stoneX = {290};
  Palette p = woodPalette();
  paintForest(cr, p, layout);
  parchmentPanel(cr, 30, 14, 580, 300);
  heading(cr, "The Story", 320, 54, 32);
  const std::string paragraphs[] = {
      "Thornwald is an old wood of thorn bushes, mossy stones and tall trees. One spring the goblins "
      "crept in and caught its animals: rabbits, birds and little fox kits now sit locked in cages "
      "among the thorns.",
      "A young panda from the meadow heard them crying. With a red scarf and a brave heart, it sets "
      "out through the " +
          levelCountWord() + " parts of the wood to set every one of them free.",
      "Hazelnuts lie along the way. The old badger who keeps the shop between the woods trades them "
      "for better weapons and armour. Hurry, and mind the thorns!"};
  double y = 86;
  for (const std::string& text : paragraphs) y = showWrapped(cr, text, 52, y, 536, 15, kInk, 20) + 7;
  Rng rng(4);
  paintCage(cr, 396, 350, 92, 82);
  paintGoblinPeek(cr, 566, 386, 14);
  paintThornBush(cr, p, rng, 570, 452, 62);
  paintPanda(cr, 170, 446, 1.15, PandaPose::Stand);
  hint(cr, "1: title", 320, 468, 16);
}

void paintAbout(cairo_t* cr) {
  ForestLayout layout = woodLayout(71);
  layout.stoneX = {200};
  layout.clouds = {{170, 70, 40}, {500, 56, 30}};
  paintForest(cr, morningPalette(), layout);
  heading(cr, "Thornwald", 320, 78, 60);
  parchmentPanel(cr, 70, 100, 500, 300);
  showText(cr, "A side-scrolling forest adventure", 320, 140, 18, kSoftInk, Align::Centre);
  showText(cr, "Made by the Thornwald team", 320, 180, 24, kInk, Align::Centre);
  showWrapped(cr, "Every picture and sound is painted and synthesized from code by our own generator.", 320,
              220, 460, 15, kInk, 20, Align::Centre);
  for (int i = 0; i < 3; ++i) paintNut(cr, 290 + i * 30, 272, 18, -0.3 + 0.3 * i);
  showText(cr, "Font", 320, 312, 17, kSoftInk, Align::Centre);
  showText(cr, "DejaVu Sans Condensed Bold (fonts-dejavu-extra),", 320, 340, 15, kInk, Align::Centre);
  showText(cr, "free licence \u2014 see BoldFaceLie-LICENSE.txt", 320, 362, 15, kInk, Align::Centre);
  paintPanda(cr, 66, 454, 0.85, PandaPose::Wave);
  hint(cr, "1: title", 320, 462, 18);
}

}  // namespace scr
