// The hero's key actions and its sound picker.
#include "audio/Audio.h"
#include "player/Player.h"
#include "state/GameState.h"
#include "state/Rules.h"

namespace {
const float kRunSpeed = 3.0f;    // tenths of a px per ms
const float kJumpSpeed = -5.0f;  // tenths of a px per ms, upward
const uint8_t kFacingRight = 0;
const uint8_t kFacingLeft = 1;
void startRun(Player& p, float speed, uint8_t facing) {
  // In the air the run key only sets the speed; the loop starts at landing.
  if (!p.jum) p.look.playSound(p.look.soundRunning, kSoundLoop);
  p.speedx = speed;
  p.sli = false;
  p.ori = facing;
}

// A window of 0 ms takes nothing, not even a press in the same ms.
bool within(uint32_t since, uint32_t now, uint32_t windowMs) {
  return windowMs > 0 && now - since <= windowMs;
}

void startSlide(Player& p, uint32_t now) {
  p.look.playSound(p.look.soundRunning, kSoundStop);
  p.sli = true;
  p.slideStart = now;
}
}  // namespace

void Player::runRight() { startRun(*this, kRunSpeed, kFacingRight); }
void Player::runLeft() { startRun(*this, -kRunSpeed, kFacingLeft); }

// Releasing one run key while the other one drives the hero changes nothing.
void Player::releaseRight(uint32_t now) {
  if (speedx != -kRunSpeed) startSlide(*this, now);
}

void Player::releaseLeft(uint32_t now) {
  if (speedx != kRunSpeed) startSlide(*this, now);
}

void Player::jump(uint32_t now) {
  if (jum && !(jumpGrace.offLedge && within(jumpGrace.offLedgeTick, now, rules().lateJumpMs))) {
    jumpGrace.pressed = true;  // for the landing (jumpOnLanding)
    jumpGrace.pressTick = now;
    return;
  }
  jumpGrace.clear();
  jum = true;
  look.playSound(look.soundRunning, kSoundStop);
  jumpStart = now;
  speedy = kJumpSpeed;
}

void Player::jumpOnLanding(uint32_t now) {
  const bool early = jumpGrace.pressed && within(jumpGrace.pressTick, now, rules().earlyJumpMs);
  jumpGrace.clear();
  if (early) jump(now);
}

bool Player::attack(uint32_t now) {
  // Under the wild rules a press while a swing still plays is no new swing: each one
  // plays out whole and hits as it goes (the goblins catch it in their steps).
  if (rules().swingPlaysOut) {
    if (swinging(now)) {
      att = true;
      return false;
    }
    ++swingCount;
    swingStart = animStart = now;  // the swing's frames from the first
  }
  // Hits on the press (the caller hits the goblins); holding the key just keeps the pose.
  look.playSwingSound();
  att = true;
  return true;
}

bool Player::swinging(uint32_t now) const {
  return rules().swingPlaysOut && swingCount > 0 && now - swingStart < kSwingMs;
}
