#include "play/Contacts.h"

#include <cmath>

#include "extras/Extra.h"
#include "goblins/Goblin.h"
#include "platform/Message.h"
#include "player/Player.h"
#include "state/GameState.h"
#include "state/Rules.h"

Contacts contacts;

namespace {
// The hero and his swing.
const float kHitOffset = -7.0f;  // px right of and below a swinger's sprite corner: the hit point
const float kHitHeight = 30.0f;  // px; targets this far above or below are missed
const int kReachBase = 30;       // px; a goblin swings like an unarmed hero
const int kReachPerWeapon = 5;   // px per weapon level
// Wild rules: the part of its 50 px cell a goblin's body covers, in px.
const float kBodyLeft = 8.0f, kBodyTop = 6.0f, kBodyRight = 42.0f, kBoxSize = 50.0f;
const uint32_t kBiteWindUpMs = 250;  // from striking the pose to the first bite: time to react

// The pickups.
const float kShopEntryX = 50.0f;  // px; where the shop starts the hero
const float kOutOfViewY = -100.0f;

// Wild rules only: points for what the hero did, the safety after a hurt.
void earn(Deed deed) {
  if (rules().scoresDeeds) player.belongings.earn(deed);
}
bool heroShielded(uint32_t now) { return wildRules && player.shielded(now); }
void shieldHero(uint32_t now) {
  if (wildRules) player.shield(now);
}

void leaveLevel() {
  player.setY(kOutOfViewY);
  player.setX(kShopEntryX);
  // The game flow records the seconds left and shows the statistics from the next pass.
  playEvents.exitTouched = true;
}

void hurtByThorn(Extra& thorn, uint32_t now) {
  // Under the wild rules a thorn hurts once, then the hero's blink keeps it off; lying
  // wilted, it is out of the way as a classic thorn stepped into the ground is.
  if (thorn.wilted || heroShielded(now)) return;
  player.setHealth(static_cast<int>(player.getHealth() * 0.5));  // cut toward zero: 1 becomes 0
  thorn.stepAside(now);
  shieldHero(now);  // so a second thorn in the same place waits its turn
}

void takeNut(Extra& nut) {
  nut.takeAway();
  player.setNuts(player.getNuts() + 1);
  earn(Deed::Nut);
}

void springTrap(Extra& trap, uint32_t now) {
  // Nothing hurts a shielded hero, and the trap stays set for the next touch.
  if (trap.triggered || heroShielded(now)) return;
  trap.triggered = true;
  player.setHealth(0);
  shieldHero(now);
}

void rescueAnimal(Extra& animal) {
  if (animal.rescued) return;
  player.setAnimals(player.getAnimals() + 1);
  animal.rescued = true;
  earn(Deed::Animal);
  // A freed cage is where the next lost life starts: the hero standing where the cage was.
  if (wildRules) player.setRespawn(animal.x - kHeroScreenX, animal.y - kHeroScreenY);
}

// Distances from the extra's own corner, not its centre.
void reportUnknown(Extra& extra, float heroX, float heroY) {
  printMessage("player colliding with some extra of unknown type %d at %.1f, y dist is %.1f\n", extra.index,
               std::fabs(extra.x - heroX), std::fabs(extra.y - heroY));
  extra.nudgeDown();
}

// Wild rules: the swing running at `now` (its number, from 1), else 0.
int runningSwing(uint32_t now) { return player.swinging(now) ? player.swingCount : 0; }
}  // namespace

bool swingReaches(float hitX, float hitY, bool facingLeft, float targetX, float targetY, float reach) {
  if (std::fabs(targetY - hitY) >= kHitHeight) return false;
  float gap = facingLeft ? hitX - targetX : targetX - hitX;
  return gap > 0.0f && gap < reach;
}

void Contacts::swing(uint32_t now) {
  if (!player.attack(now)) return;
  for (Goblin& goblin : goblins) hitGoblin(goblin, player.x, player.y, player.ori, now);
}

void Contacts::stepHero(const Tick& tick, const CollisionMap& collision) {
  player.step(tick, collision);
  // Must run after the push out of the ground, or the pickups test a position inside it.
  pickUpAll(player.x, player.y, tick.now);
  player.settle(tick.now);
}

void Contacts::stepGoblin(Goblin& goblin, const Tick& tick, const CollisionMap& collision) {
  if (!goblin.move(tick, collision)) return;
  if (wildRules) {
    hitGoblin(goblin, player.x, player.y, player.ori, tick.now);  // a swing hits while it plays
    if (goblin.health <= 0) return;
  }
  // The walls are tested after the turn toward the hero, so a wall has the last word.
  goblin.watchHero(tick.now);
  // Before the frame is picked, which restarts the attack cycle after its last frame.
  if (wildRules) goblinBites(goblin, tick.now);
  goblin.land(collision, tick.now);
}

void Contacts::pickUp(Extra& extra, float px, float py, uint32_t now) {
  if (!touchesExtra(extra.type, extra.x, extra.y, px, py)) return;
  switch (extra.type) {
    case LevelExit:
      leaveLevel();
      break;
    case Hazard:
      hurtByThorn(extra, now);
      break;
    case Nut:
      takeNut(extra);
      break;
    case DeadlyHazard:
      springTrap(extra, now);
      break;
    case Animal:
      rescueAnimal(extra);
      break;
    default:
      reportUnknown(extra, px + kHeroScreenX, py + kHeroScreenY);
      break;
  }
}

// Every extra sees the same hero position, even after an exit moved the hero.
void Contacts::pickUpAll(float px, float py, uint32_t now) {
  for (Extra& extra : extras) pickUp(extra, px, py, now);
}

bool Contacts::heroReaches(const Goblin& goblin, float px, float py, uint8_t ori) const {
  const float x = goblin.x, y = goblin.y;
  if (wildRules) {
    // In front: the goblin's middle lies past the hero's on the side he faces.
    float ahead = (x + kBoxSize / 2) - (px + kHeroScreenX + kBoxSize / 2);
    if (ori != 0 ? ahead >= 0.0f : ahead <= 0.0f) return false;
    ArcBox arc = swingArc(px, py, ori, player.getWeaponLevel());
    return x + kBodyLeft < arc.right && x + kBodyRight > arc.left && y + kBodyTop < arc.bottom &&
           y + kBoxSize > arc.top;
  }
  float reach = static_cast<float>(player.getWeaponLevel() * kReachPerWeapon + kReachBase);
  return swingReaches(px + (kHeroScreenX + kHitOffset), py + (kHeroScreenY + kHitOffset), ori != 0, x, y,
                      reach);
}

void Contacts::hitGoblin(Goblin& goblin, float px, float py, uint8_t ori, uint32_t now) {
  if (goblin.health <= 0) return;
  if (wildRules) {
    int swing = runningSwing(now);
    if (swing == 0 || swing == goblin.struckBy || !heroReaches(goblin, px, py, ori)) return;
    goblin.takeWildHit(ori == 0, swing, player.getWeaponLevel(), now);
  } else {
    if (!heroReaches(goblin, px, py, ori)) return;
    goblin.takeClassicHit(px + (kHeroScreenX + kHitOffset), ori != 0);
  }
  if (goblin.health <= 0) earn(Deed::Knockout);
}

void Contacts::goblinBites(Goblin& goblin, uint32_t now) {
  // A shielded hero draws no swing, so the cycle runs on as drawn.
  if (!goblin.attacking || goblin.struckCycle == goblin.animStart || heroShielded(now)) return;
  if (now - goblin.poseTick < kBiteWindUpMs) return;
  // The classic hero's swing, mirrored: from the goblin's hit point to the hero's sprite corner.
  float heroX = player.getX() + kHeroScreenX, heroY = player.getY() + kHeroScreenY;
  if (!swingReaches(goblin.x + kHitOffset, goblin.y + kHitOffset, !goblin.movingRight, heroX, heroY,
                    static_cast<float>(kReachBase)))
    return;
  goblin.strike(now);
  player.bite(goblin.movingRight, now);  // away from the goblin
}
