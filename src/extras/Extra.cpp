#include "extras/Extra.h"

#include <cmath>
#include <cstdio>

#include "level/Level.h"
#include "platform/Clock.h"
#include "platform/Image.h"
#include "platform/PictureFiles.h"
#include "player/Player.h"
#include "shell/GameState.h"

namespace {

const Uint32 kTransparentKey = 0xFF00FF;  // raw pixel value, magenta

const float kHeroCornerX = 295.0f;  // px; the hero's sprite corner within the view
const float kHeroCornerY = 215.0f;
const float kSpriteCentre = 25.0f;  // px from the corner of a 50 x 50 sprite
const float kExitCentre = 75.0f;    // px; near the middle of the 150 x 145 exit
const float kTouchReach = 30.0f;    // px on each axis, exclusive

const float kShopEntryX = 50.0f;  // px; where the shop starts the hero
const float kOutOfViewY = -100.0f;
const int kHazardStep = 50;  // px a touched hazard steps down, for a while
const uint32_t kStepAsideMs = 5000;
const int kTakenNutDrop = 5000;  // px; out of reach and out of sight
const int kUnknownDrop = 10;     // px
const double kSecondsPerMs = 0.001;

void leaveLevel() {
  setPlayerY(kOutOfViewY);
  recordSecondsLeft();
  setPlayerX(kShopEntryX);
  setGameState(LevelStats);  // shows from the next pass
}

void hurtByHazard(Extra& hazard) {
  setPlayerHealth(static_cast<int>(playerHealth() * 0.5));  // cut toward zero: 1 becomes 0
  hazard.y += kHazardStep;
  hazard.hitTime = nowMs();
}

void takeNut(Extra& nut) {
  nut.y += kTakenNutDrop;
  setPlayerNuts(playerNuts() + 1);
}

void springTrap(Extra& trap) {
  if (trap.triggered) return;
  trap.triggered = true;
  setPlayerHealth(0);
}

void rescueAnimal(Extra& animal) {
  if (animal.rescued) return;
  setPlayerAnimals(playerAnimals() + 1);
  animal.rescued = true;
}

// Distances from the extra's own corner, not its centre.
void reportUnknown(Extra& extra, float heroX, float heroY) {
  std::printf("player colliding with some extra of unknown type %d at %.1f, y dist is %.1f\n", extra.index,
              std::fabs(extra.x - heroX), std::fabs(extra.y - heroY));
  extra.y += kUnknownDrop;
}

}  // namespace

Extra::Extra() : sheet(loadImage(kExtrasPicture)), animStart(nowMs()) {
  setColourKey(sheet, kTransparentKey);
}

Extra::~Extra() { freeImage(sheet); }

bool touchesExtra(int type, int x, int y, float px, float py) {
  const float centre = type == LevelExit ? kExitCentre : kSpriteCentre;
  return std::fabs(x + centre - (px + kHeroCornerX)) < kTouchReach &&
         std::fabs(y + centre - (py + kHeroCornerY)) < kTouchReach;
}

void Extra::testPickup(float px, float py) {
  if (!touchesExtra(type, x, y, px, py)) return;
  switch (type) {
    case LevelExit:
      leaveLevel();
      break;
    case Hazard:
      hurtByHazard(*this);
      break;
    case Nut:
      takeNut(*this);
      break;
    case DeadlyHazard:
      springTrap(*this);
      break;
    case Animal:
      rescueAnimal(*this);
      break;
    default:
      reportUnknown(*this, px + kHeroCornerX, py + kHeroCornerY);
      break;
  }
}

void Extra::update(SDL_Surface* screen) {
  // Before drawing, so a hazard is drawn back in its place the frame it returns.
  // One step only, however many touches pushed it down.
  if (hitTime != 0 && nowMs() - hitTime > kStepAsideMs) {
    y -= kHazardStep;
    hitTime = 0;
  }
  draw(screen);
}

// Every extra sees the same hero position, even after an exit moved the hero.
void testAllPickups(float px, float py) {
  for (Extra& extra : extras) extra.testPickup(px, py);
}

void recordSecondsLeft() {
  secondsLeft = static_cast<int32_t>(levels[levelIndex].timeLeftMs() * kSecondsPerMs);
}
