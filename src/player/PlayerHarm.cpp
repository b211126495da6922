// The wild rules' side of the hero: bites, the safety after a hurt, checkpoints.
#include "player/Player.h"
#include "state/GameState.h"
#include "state/Rules.h"

namespace {
const int kBiteHealth = 20;      // health a bite costs without armour
const int kBiteArmourSaves = 4;  // health each armour level saves
}  // namespace

bool Player::shielded(uint32_t now) const { return hurtBlink && now - hurtTick < shieldMs; }

void Player::shield(uint32_t now) {
  hurtBlink = true;
  hurtTick = now;
  shieldMs = kBlinkMs;
}

void Player::bite(bool pushRight, uint32_t now) {
  if (shielded(now)) return;
  int loss = kBiteHealth - kBiteArmourSaves * belongings.armourLevel;
  if (loss > 0) belongings.health -= loss;
  knockBack = pushRight ? rules().biteShovePx : -rules().biteShovePx;
  // The safety starts at the bite itself, so a second goblin in the same pass misses.
  shield(now);
}

void Player::setRespawn(float vx, float vy) {
  respawnX = vx;
  respawnY = vy;
}
