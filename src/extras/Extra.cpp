#include "extras/Extra.h"

#include <cmath>

#include "platform/Image.h"
#include "platform/Message.h"
#include "platform/PictureFiles.h"
#include "player/Player.h"
#include "shell/GameState.h"

namespace {

const float kSpriteCentre = 25.0f;  // px from the corner of a 50 x 50 sprite
const float kExitCentre = 75.0f;    // px; near the middle of the 150 x 145 exit
const float kTouchReach = 30.0f;    // px on each axis, exclusive

const float kShopEntryX = 50.0f;  // px; where the shop starts the hero
const float kOutOfViewY = -100.0f;
const int kHazardStep = 50;  // px a touched hazard steps down, for a while
const uint32_t kStepAsideMs = 5000;
const int kTakenNutDrop = 5000;  // px; out of reach and out of sight
const int kUnknownDrop = 10;     // px

void leaveLevel() {
  setPlayerY(kOutOfViewY);
  setPlayerX(kShopEntryX);
  // The game flow records the seconds left and shows the statistics from the next pass.
  playEvents.exitTouched = true;
}

void hurtByHazard(Extra& hazard, uint32_t now) {
  // Under the wild rules a thorn hurts once, then the hero's blink keeps it off.
  if (playerShielded(now)) return;
  setPlayerHealth(static_cast<int>(playerHealth() * 0.5));  // cut toward zero: 1 becomes 0
  hazard.y += kHazardStep;
  hazard.hitTime = now;
  shieldPlayer(now);  // so a second thorn in the same place waits its turn
}

void takeNut(Extra& nut) {
  nut.y += kTakenNutDrop;
  setPlayerNuts(playerNuts() + 1);
  playerEarns(Deed::Nut);
}

void springTrap(Extra& trap, uint32_t now) {
  // Nothing hurts a shielded hero, and the trap stays set for the next touch.
  if (trap.triggered || playerShielded(now)) return;
  trap.triggered = true;
  setPlayerHealth(0);
  shieldPlayer(now);
}

void rescueAnimal(Extra& animal) {
  if (animal.rescued) return;
  setPlayerAnimals(playerAnimals() + 1);
  animal.rescued = true;
  playerEarns(Deed::Animal);
  // A freed cage is where the next lost life starts: the hero standing where the cage was.
  setPlayerCheckpoint(animal.x - kHeroScreenX, animal.y - kHeroScreenY);
}

// Distances from the extra's own corner, not its centre.
void reportUnknown(Extra& extra, float heroX, float heroY) {
  printMessage("player colliding with some extra of unknown type %d at %.1f, y dist is %.1f\n", extra.index,
               std::fabs(extra.x - heroX), std::fabs(extra.y - heroY));
  extra.y += kUnknownDrop;
}

}  // namespace

Extra::Extra() : sheet(loadImage(kExtrasPicture)) { setColourKey(sheet, kMagentaKey); }

Extra::~Extra() { freeImage(sheet); }

bool touchesExtra(int type, int x, int y, float px, float py) {
  const float centre = type == LevelExit ? kExitCentre : kSpriteCentre;
  return std::fabs(x + centre - (px + kHeroScreenX)) < kTouchReach &&
         std::fabs(y + centre - (py + kHeroScreenY)) < kTouchReach;
}

void Extra::testPickup(float px, float py, uint32_t now) {
  if (!touchesExtra(type, x, y, px, py)) return;
  switch (type) {
    case LevelExit:
      leaveLevel();
      break;
    case Hazard:
      hurtByHazard(*this, now);
      break;
    case Nut:
      takeNut(*this);
      break;
    case DeadlyHazard:
      springTrap(*this, now);
      break;
    case Animal:
      rescueAnimal(*this);
      break;
    default:
      reportUnknown(*this, px + kHeroScreenX, py + kHeroScreenY);
      break;
  }
}

void Extra::step(const Tick& tick) {
  // Before the frame is picked, so a hazard is drawn back in its place the frame it returns.
  // One step only, however many touches pushed it down.
  if (hitTime != 0 && tick.now - hitTime > kStepAsideMs) {
    y -= kHazardStep;
    hitTime = 0;
  }
  pickFrame(tick.now);
}

// Every extra sees the same hero position, even after an exit moved the hero.
void testAllPickups(float px, float py, uint32_t now) {
  for (Extra& extra : extras) extra.testPickup(px, py, now);
}
