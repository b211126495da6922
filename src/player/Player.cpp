#include "player/Player.h"

namespace {
const int kFullHealth = 100;          // a new game's
const float kDropSpeed = 1.0f;        // tenths of a px per ms, downward
const uint32_t kBlinkPeriodMs = 100;  // dark and lit periods take turns
}  // namespace

bool blinkDark(bool started, uint32_t startTick, uint32_t now, uint32_t lengthMs) {
  uint32_t elapsed = now - startTick;
  return started && elapsed < lengthMs && (elapsed / kBlinkPeriodMs) % 2 == 0;
}

void Player::reset(uint32_t now) {
  speedx = 0.0f;
  speedy = 0.0f;
  jumpStart = 0;
  slideStart = 0;
  jumpGrace.clear();
  att = false;
  cro = false;
  jum = true;
  sli = false;
  animStart = now;
  ori = 0;
  belongings.reset();
  x = kStartX;
  y = kStartY;
  respawnX = kStartX;
  respawnY = kStartY;
  knockBack = 0;
  swingStart = 0;
  swingCount = 0;
  drawnHealth = kFullHealth;
  hurtBlink = false;
  shieldMs = kBlinkMs;
  lifeFlash = false;
}

void Player::stopAttack() { att = false; }
void Player::crouch() { cro = true; }
void Player::standUp() { cro = false; }

void Player::dropDown(uint32_t now) {
  if (jum) return;
  // Standing on solid ground, the next step lands the hero again at once.
  jum = true;
  jumpStart = now;
  speedy = kDropSpeed;
}
