#include <algorithm>
#include <cmath>

#include "goblins/Goblin.h"
#include "player/Player.h"
#include "shell/GameState.h"

namespace {
const float kHitOffset = -7.0f;  // px right of and below a swinger's sprite corner: the hit point
const float kHitHeight = 30.0f;  // px; targets this far above or below are missed
const int kReachBase = 30;       // px; a goblin swings like an unarmed hero
const int kReachPerWeapon = 5;   // px per weapon level
const float kKnockBack = 10.0f;  // px, away from the hero
const int kDamageBase = 40;      // health points

// Wild rules.
const float kBodyLeft = 8.0f, kBodyTop = 6.0f, kBodyRight = 42.0f;  // px of its cell the body covers
const float kBoxSize = 50.0f;                                       // px, the goblin's square
const int kHitsToFall[] = {3, 2, 2, 2, 1, 1};                       // by weapon level
const int kWildKnockBack = 16;                                      // px, away from the hero
const uint32_t kBiteWindUpMs = 250;  // from striking the pose to the first bite: time to react
}  // namespace

bool swingReaches(float hitX, float hitY, bool facingLeft, float targetX, float targetY, float reach) {
  if (std::fabs(targetY - hitY) >= kHitHeight) return false;
  float gap = facingLeft ? hitX - targetX : targetX - hitX;
  return gap > 0.0f && gap < reach;
}

bool Goblin::inHeroReach(float px, float py, uint8_t ori) const {
  if (wildRules) {
    // In front: the goblin's middle lies past the hero's on the side he faces.
    float ahead = (x + kBoxSize / 2) - (px + kHeroScreenX + kBoxSize / 2);
    if (ori != 0 ? ahead >= 0.0f : ahead <= 0.0f) return false;
    ArcBox arc = swingArc(px, py, ori, playerWeaponLevel());
    return x + kBodyLeft < arc.right && x + kBodyRight > arc.left && y + kBodyTop < arc.bottom &&
           y + kBoxSize > arc.top;
  }
  float reach = static_cast<float>(playerWeaponLevel() * kReachPerWeapon + kReachBase);
  return swingReaches(px + (kHeroScreenX + kHitOffset), py + (kHeroScreenY + kHitOffset), ori != 0, x, y,
                      reach);
}

void Goblin::hitTest(float px, float py, uint8_t ori, uint32_t now) {
  if (health <= 0) return;
  if (wildRules) {
    int swing = playerSwing(now);
    if (swing != 0 && swing != struckBy && inHeroReach(px, py, ori)) takeWildHit(ori == 0, swing, now);
    return;
  }
  if (!inHeroReach(px, py, ori)) return;
  float hitX = px + (kHeroScreenX + kHitOffset);
  bool facingLeft = ori != 0;
  x += facingLeft ? -kKnockBack : kKnockBack;
  // Measured after the knock-back, the loss on the left shrinks with the distance;
  // far enough it would turn into a gain, and a hit never heals.
  int loss = kDamageBase - static_cast<int>(hitX - x);
  if (loss > 0) health -= loss;
  if (health <= 0) playerEarns(Deed::Knockout);
}

void Goblin::takeWildHit(bool pushRight, int swing, uint32_t now) {
  struckBy = swing;
  waiting = false;
  int level = std::clamp(playerWeaponLevel(), 0, int(std::size(kHitsToFall)) - 1);
  int hits = kHitsToFall[level];
  health -= (kGoblinFullHealth + hits - 1) / hits;  // rounded up: the last hit fells it
  knockBack = pushRight ? kWildKnockBack : -kWildKnockBack;
  hitFlash = true;
  hitTick = now;
  if (health <= 0) playerEarns(Deed::Knockout);
}

void hitGoblins(float px, float py, uint8_t ori, uint32_t now) {
  for (Goblin& goblin : goblins) goblin.hitTest(px, py, ori, now);
}

void Goblin::swingAtHero(uint32_t now) {
  // A shielded hero draws no swing, so the cycle runs on as drawn.
  if (!attacking || struckCycle == animStart || playerShielded(now)) return;
  if (now - poseTick < kBiteWindUpMs) return;
  // The classic hero's swing, mirrored: from the goblin's hit point to the hero's sprite corner.
  float heroX = playerX() + kHeroScreenX, heroY = playerY() + kHeroScreenY;
  if (!swingReaches(x + kHitOffset, y + kHitOffset, !movingRight, heroX, heroY,
                    static_cast<float>(kReachBase)))
    return;
  // The swing lands as the hero comes in reach, so a hero running past is not spared by
  // chance: the cycle jumps to its strike frame, which the draw shows.
  animStart = now - strikeMs();
  struckCycle = animStart;
  player.bite(movingRight, now);  // away from the goblin
}
