#pragma once
// Painting helpers for the 640 x 480 screens and the shop pictures, in the storybook-forest
// style of art.md: flat colour with one light and one shade tone per shape and a dark
// (never pure black) outline. Everything lives in namespace scr so that it cannot clash
// with the helpers of the other generator files.
#include <cairo.h>

#include <string>
#include <vector>

#include "kit/Paint.h"

namespace scr {

// ---- colours and shapes (ScreenShapes.cpp) ----

// One shape's colours: a base, a light rim toward the upper left, a shade toward the lower
// right and the outline.
struct Tone {
  Rgb base, light, shade, outline;
};

Rgb mix(Rgb a, Rgb b, double t);  // t = 0 gives a, 1 gives b

// Deterministic xorshift generator, so that every build paints exactly the same pictures.
class Rng {
 public:
  explicit Rng(unsigned seed) : state_(seed ? seed : 1u) {}
  double next();  // 0 <= value < 1
  double range(double lo, double hi) { return lo + (hi - lo) * next(); }

 private:
  unsigned state_;
};

// Appends an ellipse (optionally turned by `angle` radians) to the current path.
using ::ellipsePath;
// Fills the current path in a tone and outlines it; the path is consumed. The outline is
// stroked first at double width and the fill laid over it, so a path made of several
// overlapping sub-paths (a cluster of circles) gets one outline around the whole union.
// `shadeShift` is how far the shade crescent reaches in, `lightShift` the light rim.
void fillToned(cairo_t* cr, const Tone& tone, double lineWidth, double shadeShift, double lightShift);
// Convenience: one toned ellipse.
void tonedEllipse(cairo_t* cr, const Tone& tone, double x, double y, double rx, double ry, double angle,
                  double lineWidth);

// ---- text (ScreenText.cpp), always in the game's own font like its live text ----

enum class Align { Left, Centre, Right };

double textWidth(cairo_t* cr, const std::string& text, double size);
// Text placed on its baseline, so that lines of a paragraph line up.
void showText(cairo_t* cr, const std::string& text, double x, double baseline, double size, Rgb colour,
              Align align = Align::Left);
void showOutlined(cairo_t* cr, const std::string& text, double x, double baseline, double size, Rgb fill,
                  Rgb outline, double outlineWidth, Align align = Align::Left);
// Word-wraps `text` into `maxWidth`; returns the baseline after the last line. With
// Align::Centre, x is the centre of every line.
double showWrapped(cairo_t* cr, const std::string& text, double x, double baseline, double maxWidth,
                   double size, Rgb colour, double lineHeight, Align align = Align::Left);
// A screen's big title: gold letters with a dark brown outline and a drop shadow, centred on x.
void heading(cairo_t* cr, const std::string& text, double x, double baseline, double size);
// A line of cream text with a dark outline, legible on any painting, centred on x.
void hint(cairo_t* cr, const std::string& text, double x, double baseline, double size);
// How many levels the game has, as a word ("five"), for the screens that tell it.
std::string levelCountWord();
// A small keyboard key with its label; returns its width. (x, y) is its top-left corner.
double keycap(cairo_t* cr, const std::string& label, double x, double y, double size);
double keycapWidth(cairo_t* cr, const std::string& label, double size);

// ---- panels (ScreenText.cpp) ----

// A sheet of old paper with a brown edge, for text-heavy screens.
void parchmentPanel(cairo_t* cr, double x, double y, double w, double h);
// A dark translucent panel with a thin gold rim, where the game draws live text.
void darkPanel(cairo_t* cr, double x, double y, double w, double h, double alpha = 0.82);
// Darkens the whole picture a little (behind a panel).
void veil(cairo_t* cr, Rgb colour, double alpha);

// ---- scenery (ScreenScenery.cpp) ----

struct Palette {
  Rgb skyTop, skyBottom;
  Rgb hillFar, hillNear, farTree;
  Rgb grass, grassLight, grassShade;
  Tone canopy, trunk, bush, stone;
  Rgb thornTip;
};
Palette morningPalette();
Palette woodPalette();
Palette duskPalette();
Palette nightPalette();

// Where the big things of a forest backdrop stand.
struct ForestLayout {
  double groundY = 430;           // top of the grass at the front
  std::vector<double> treeX;      // big trees (trunk centres)
  std::vector<double> bushX;      // thorn bushes on the ground
  std::vector<double> stoneX;     // mossy stones
  std::vector<double> mushroomX;  // little mushrooms
  struct Cloud {
    double x, y, size;
  };
  std::vector<Cloud> clouds;
  unsigned seed = 1;
};

void paintSky(cairo_t* cr, const Palette& p);
void paintHills(cairo_t* cr, Rng& rng, double baseY, double amplitude, Rgb colour);
void paintFarTrees(cairo_t* cr, Rng& rng, double baseY, Rgb colour);
void paintTree(cairo_t* cr, const Palette& p, Rng& rng, double x, double groundY, double height);
void paintThornBush(cairo_t* cr, const Palette& p, Rng& rng, double x, double groundY, double size);
void paintGround(cairo_t* cr, const Palette& p, double topY);
void paintStone(cairo_t* cr, const Palette& p, double x, double groundY, double size);
void paintMushroom(cairo_t* cr, double x, double groundY, double size);
// Sky, hills, far trees, big trees, ground, bushes, stones and mushrooms.
void paintForest(cairo_t* cr, const Palette& p, const ForestLayout& layout);

// ---- props (ScreenProps.cpp) ----

void paintSun(cairo_t* cr, double x, double y, double r);
void paintCloud(cairo_t* cr, double x, double y, double size, Rgb colour);
void paintMoon(cairo_t* cr, double x, double y, double r);
void paintStars(cairo_t* cr, Rng& rng, int count, double maxY);
void paintFireflies(cairo_t* cr, Rng& rng, int count, double x0, double y0, double x1, double y1);
void paintNut(cairo_t* cr, double x, double y, double size, double angle = 0);
// A wooden cage with a sad little rabbit in it; (x, y) is the top-left corner.
void paintCage(cairo_t* cr, double x, double y, double w, double h);
// The carved wooden level gate with its glowing arch, standing on groundY.
void paintGate(cairo_t* cr, double cx, double groundY, double w, double h);
// A goblin's head peering over a bush.
void paintGoblinPeek(cairo_t* cr, double cx, double cy, double size);
void paintLantern(cairo_t* cr, double x, double y, double size);

// ---- the hero (ScreenPanda.cpp) ----

enum class PandaPose { Stand, Wave, Cheer };
// The panda with its red scarf, centred on cx, standing on feetY; about 100 * scale tall.
void paintPanda(cairo_t* cr, double cx, double feetY, double scale, PandaPose pose);

}  // namespace scr
