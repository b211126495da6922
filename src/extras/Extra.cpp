#include "extras/Extra.h"

#include <cmath>

#include "platform/Image.h"
#include "platform/PictureFiles.h"
#include "player/Player.h"
#include "state/Rules.h"

namespace {

const float kSpriteCentre = 25.0f;  // px from the corner of a 50 x 50 sprite
const float kTouchReach = 30.0f;    // px on each axis, exclusive

const int kHazardStep = 50;  // px a touched hazard steps down, for a while
const uint32_t kStepAsideMs = 5000;
const int kTakenNutDrop = 5000;  // px; out of reach and out of sight
const int kUnknownDrop = 10;     // px

}  // namespace

Extra::Extra() : sheet(loadImage(kExtrasPicture)) { setColourKey(sheet, kMagentaKey); }

Extra::~Extra() { freeImage(sheet); }

bool touchesExtra(int type, int x, int y, float px, float py) {
  const float centre = type == LevelExit ? kExitCentre : kSpriteCentre;
  const float across = type == LevelExit ? rules().exitReachPx : kTouchReach;
  return std::fabs(x + centre - (px + kHeroScreenX)) < across &&
         std::fabs(y + centre - (py + kHeroScreenY)) < kTouchReach;
}

void Extra::stepAside(uint32_t now) {
  // Stepped into the ground, a thorn looked like a drawing fault: the wild one stays put.
  if (rules().thornsWilt)
    wilted = true;
  else
    y += kHazardStep;
  hitTime = now;
}

void Extra::takeAway() { y += kTakenNutDrop; }

void Extra::nudgeDown() { y += kUnknownDrop; }

void Extra::step(const Tick& tick) {
  // Before the frame is picked, so a hazard is drawn back in its place the frame it returns.
  // One step only, however many touches pushed it down.
  if (hitTime != 0 && tick.now - hitTime > kStepAsideMs) {
    if (!wilted) y -= kHazardStep;
    wilted = false;
    hitTime = 0;
  }
  pickFrame(tick.now);
}
