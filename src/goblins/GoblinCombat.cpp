#include <cmath>

#include "goblins/Goblin.h"
#include "player/Player.h"

namespace {
const float kHitOffset = -7.0f;  // px right of and below the hero's sprite corner: the hit point
const float kHitHeight = 30.0f;  // px; goblins this far above or below are missed
const int kReachBase = 30;       // px
const int kReachPerWeapon = 5;   // px per weapon level
const float kKnockBack = 10.0f;  // px, away from the hero
const int kDamageBase = 40;      // health points
}  // namespace

void Goblin::hitTest(float px, float py, uint8_t ori) {
  if (health <= 0) return;
  float reach = static_cast<float>(playerWeaponLevel() * kReachPerWeapon + kReachBase);
  float hitX = px + (kHeroScreenX + kHitOffset);
  if (std::fabs(y - (py + (kHeroScreenY + kHitOffset))) >= kHitHeight) return;
  bool facingLeft = ori != 0;
  float gapOnLeft = hitX - x;
  float gapOnRight = x - hitX;
  if (facingLeft && gapOnLeft > 0.0f && gapOnLeft < reach) {
    x -= kKnockBack;
  } else if (!facingLeft && gapOnRight > 0.0f && gapOnRight < reach) {
    x += kKnockBack;
  } else {
    return;
  }
  // Measured after the knock-back, the loss on the left shrinks with the distance;
  // far enough it would turn into a gain, and a hit never heals.
  int loss = kDamageBase - static_cast<int>(hitX - x);
  if (loss > 0) health -= loss;
}

void hitGoblins(float px, float py, uint8_t ori) {
  for (Goblin& goblin : goblins) goblin.hitTest(px, py, ori);
}
