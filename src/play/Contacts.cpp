#include "play/Contacts.h"

#include <algorithm>
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
const int kReachBase = 30;       // px; an unarmed hero's
const int kReachPerWeapon = 5;   // px per weapon level
// Wild rules: the part of its 50 px cell a goblin's body covers, in px.
const float kBodyLeft = 8.0f, kBodyTop = 6.0f, kBodyRight = 42.0f, kBoxSize = 50.0f;
// The hero's body, in px from his sprite corner: between his side probes, head to foot.
const float kHeroLeft = 10.0f, kHeroTop = 5.0f, kHeroRight = 34.0f, kHeroBottom = 43.0f;
const float kBiteReach = 5.0f;  // px from the goblin's body to the hero's, in front of it

// The pickups.
const float kShopEntryX = 50.0f;  // px; where the shop starts the hero
const float kOutOfViewY = -100.0f;

// Wild rules only: points for what the hero did, the safety after a hurt.
void earn(Deed deed) {
  if (rules().scoresDeeds) player.belongings.earn(deed);
}
bool heroShielded(uint32_t now) { return rules().hurtShields && player.shielded(now); }
void shieldHero(uint32_t now) {
  if (rules().hurtShields) player.shield(now);
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
  if (rules().cagesAreCheckpoints) player.setRespawn(animal.x - kHeroScreenX, animal.y - kHeroScreenY);
}

// Distances from the extra's own corner, not its centre.
void reportUnknown(Extra& extra, float heroX, float heroY) {
  printMessage("player colliding with some extra of unknown type %d at %.1f, y dist is %.1f\n", extra.index,
               std::fabs(extra.x - heroX), std::fabs(extra.y - heroY));
  extra.nudgeDown();
}

// Wild rules: the swing running at `now` (its number, from 1), else 0.
int runningSwing(uint32_t now) { return player.swinging(now) ? player.swingCount : 0; }

struct Box {
  float left, top, right, bottom;  // right and bottom edges excluded
  float middle() const { return (left + right) / 2; }
  bool overlaps(const Box& o) const {
    return left < o.right && right > o.left && top < o.bottom && bottom > o.top;
  }
};
Box heroBody(float px, float py) {
  float x = px + kHeroScreenX, y = py + kHeroScreenY;
  return {x + kHeroLeft, y + kHeroTop, x + kHeroRight, y + kHeroBottom};
}
Box goblinBody(const Goblin& g) {
  return {g.x + kBodyLeft, g.y + kBodyTop, g.x + kBodyRight, g.y + kBoxSize};
}

// A walking goblin stops where its body meets the hero's; one already in him stands.
void stopAtHero(Goblin& goblin, float xBefore) {
  if (!rules().goblinsStopAtHero || goblin.x == xBefore) return;
  Box hero = heroBody(player.x, player.y), body = goblinBody(goblin);
  if (body.top >= hero.bottom || body.bottom <= hero.top) return;  // not level with him
  bool headingRight = goblin.x > xBefore, heroRight = hero.middle() > body.middle() - (goblin.x - xBefore);
  if (headingRight != heroRight) return;  // walking away from him
  float touching = headingRight ? hero.left - kBodyRight : hero.right - kBodyLeft;
  goblin.x = headingRight ? std::min(goblin.x, std::max(touching, xBefore))
                          : std::max(goblin.x, std::min(touching, xBefore));
}

// Wild rules: the hero's body just in front of the goblin, at a height his own swing
// would reach it: a goblin bites only what can hit it back.
bool biteReaches(const Goblin& goblin) {
  Box hero = heroBody(player.x, player.y), body = goblinBody(goblin);
  ArcBox arc = swingArc(player.x, player.y, 0, player.getWeaponLevel());
  if (body.top >= arc.bottom || body.bottom <= arc.top) return false;
  if (goblin.movingRight ? hero.middle() <= body.middle() : hero.middle() >= body.middle()) return false;
  float gap = goblin.movingRight ? hero.left - body.right : body.left - hero.right;
  return gap < kBiteReach;
}

// Wild rules: goblins near where a lost life starts go back to their posts.
void clearRespawn(uint32_t now) {
  const float heroX = player.x + kHeroScreenX, heroY = player.y + kHeroScreenY;
  for (Goblin& goblin : goblins)
    if (goblin.health > 0 && std::hypot(goblin.x - heroX, goblin.y - heroY) < rules().respawnClearPx)
      goblin.backToPost(now);
}
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
  const int lives = player.getLives();
  player.step(tick, collision);
  if (player.getLives() < lives) clearRespawn(tick.now);
  // Must run after the push out of the ground, or the pickups test a position inside it.
  pickUpAll(player.x, player.y, tick.now);
  player.settle(tick.now);
}

void Contacts::stepGoblin(Goblin& goblin, const Tick& tick, const CollisionMap& collision) {
  const float xBefore = goblin.x;
  if (!goblin.move(tick, collision)) return;
  stopAtHero(goblin, xBefore);
  if (rules().swingPlaysOut) {
    hitGoblin(goblin, player.x, player.y, player.ori, tick.now);  // a swing hits while it plays
    if (goblin.health <= 0) return;
  }
  // The walls are tested after the turn toward the hero, so a wall has the last word.
  goblin.watchHero(tick.now);
  // Before the frame is picked, which restarts the attack cycle after its last frame.
  if (rules().goblinsBite) goblinBites(goblin, tick.now);
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
  if (rules().swingPlaysOut) {
    // One in his body is hit whichever way he faces.
    if (goblinBody(goblin).overlaps(heroBody(px, py))) return true;
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
  if (rules().swingPlaysOut) {
    int swing = runningSwing(now);
    if (swing == 0 || swing == goblin.struckBy || !heroReaches(goblin, px, py, ori)) return;
    // Away from the hero, which for a goblin in front is the way he faces.
    float ahead = goblin.x - (px + kHeroScreenX);
    goblin.takeWildHit(ahead != 0.0f ? ahead > 0.0f : ori == 0, swing, player.getWeaponLevel(), now);
  } else {
    if (!heroReaches(goblin, px, py, ori)) return;
    goblin.takeClassicHit(px + (kHeroScreenX + kHitOffset), ori != 0);
  }
  if (goblin.health <= 0) earn(Deed::Knockout);
}

void Contacts::goblinBites(Goblin& goblin, uint32_t now) {
  // The time in reach counts from his arrival, whatever else holds the bite back.
  bool inReach = goblin.attacking && biteReaches(goblin);
  if (inReach && !goblin.heroInReach) goblin.reachTick = now;
  goblin.heroInReach = inReach;
  // A shielded hero draws no swing, so the cycle runs on as drawn.
  if (!inReach || goblin.struckCycle == goblin.animStart || heroShielded(now)) return;
  // The raised weapon warns first, and a hero who just came has time to act.
  if (now - goblin.poseTick < rules().biteWindUpMs || now - goblin.reachTick < rules().biteGraceMs) return;
  goblin.strike(now);
  player.bite(goblin.movingRight, now);  // away from the goblin
}
