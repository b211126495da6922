// The hero's motion: speeds, fall and slide, lost lives, and the push out of solid pixels.
#include <algorithm>

#include "audio/Audio.h"
#include "level/CollisionMap.h"
#include "level/Gravity.h"
#include "level/Pixels.h"
#include "player/Player.h"
#include "state/GameState.h"
#include "state/Rules.h"

namespace {
const double kMoveFactor = kMotionPerMs;
const double kCrouchMoveFactor = 0.05;  // px per ms per unit of speedx while crouching
const double kSlideDecay = 0.0015;      // speed per ms of frame per ms sliding
const int kRespawnHealth = 100;
const float kKnockBackSpeed = 0.4f;  // px per ms: a bite's 40 px take a tenth of a second

// Probe points, in px from the view corner (x, y): the sprite's corner is (x + kHeroScreenX, y +
// kHeroScreenY).
const float kLeftProbeX = 305.0f;
const float kRightProbeX = 329.0f;
const float kSideProbeY = 240.0f;
const float kFootProbeX = 320.0f;
const float kFootProbeY = 258.0f;
const float kSoleProbeY = 257.0f;  // one row above the foot: the lowest row that must stay free
const float kHeadProbeY = 220.0f;  // the top of the head, 5 px into the sprite (wild rules only)

// Probe coordinates are cut toward zero, not rounded.
bool solidAt(const CollisionMap& collision, float px, float py) {
  return collision.isSolid(static_cast<int>(px), static_cast<int>(py));
}

// Moves by the speeds of the previous call, then snaps to whole pixels.
void moveBySpeeds(Player& p, float frameMs) {
  double factor = p.cro ? kCrouchMoveFactor : kMoveFactor;
  p.x = static_cast<float>(p.x + frameMs * p.speedx * factor);
  p.y = static_cast<float>(p.y + frameMs * p.speedy * kMoveFactor);
  p.x = static_cast<float>(roundToInt(p.x));
  p.y = static_cast<float>(roundToInt(p.y));
}

// The fall speed grows with the time since the airborne phase began.
void growFallSpeed(Player& p, float frameMs, uint32_t now) {
  if (!p.jum) return;
  uint32_t airborneMs = now - p.jumpStart;
  p.speedy = static_cast<float>(p.speedy + airborneMs * frameMs * kFallGrowth);
  if (p.speedy > kFallSpeedCap) p.speedy = kFallSpeedCap;
}

// The slide slows down faster the longer it lasts, and ends where speedx crosses 0.
void decaySlide(Player& p, float frameMs, uint32_t now) {
  if (!p.sli) return;
  uint32_t slidingMs = now - p.slideStart;
  double decay = slidingMs * frameMs * kSlideDecay * rules().slideDecayScale;
  if (p.speedx > 0.0f) {
    p.speedx = static_cast<float>(p.speedx - decay);
    if (p.speedx < 0.0f) {
      p.speedx = 0.0f;
      p.sli = false;
    }
  } else if (p.speedx < 0.0f) {
    p.speedx = static_cast<float>(p.speedx + decay);
    if (p.speedx > 0.0f) {
      p.speedx = 0.0f;
      p.sli = false;
    }
  }
}

void loseLifeIfHurt(Player& p, uint32_t now) {
  if (p.belongings.health >= 1) return;
  // Speeds and flags carry over into the respawn.
  p.belongings.lives -= 1;
  p.belongings.health = kRespawnHealth;
  // The level's start, or under the wild rules the last freed cage.
  p.x = p.respawnX;
  p.y = p.respawnY;
  p.knockBack = 0;
  // The hero reappears blinking, and the lives on the status line flash.
  p.hurtBlink = p.lifeFlash = true;
  p.hurtTick = p.lifeLostTick = now;
  p.shieldMs = rules().respawnShieldMs;  // under the wild rules, time to get his bearings
  playEvents.lifeLost = true;
}

// A bite's shove, a pixel at a time so that it stops at a wall instead of passing
// through a thin one.
void pushByKnockBack(Player& p, float frameMs, const CollisionMap& collision) {
  if (p.knockBack == 0) return;
  int step = p.knockBack > 0 ? 1 : -1;
  float probeX = step > 0 ? kRightProbeX : kLeftProbeX;
  int pixels = std::max(1, roundToInt(frameMs * kKnockBackSpeed));
  for (; pixels > 0 && p.knockBack != 0; --pixels) {
    if (solidAt(collision, p.x + probeX + static_cast<float>(step), p.y + kSideProbeY)) {
      p.knockBack = 0;
      return;
    }
    p.x += static_cast<float>(step);
    p.knockBack -= step;
  }
}

// Wild rules: a rising hero's head stops under solid ground and the fall starts
// there, so no jump carries him up through a block he cannot see a way through.
// The head goes back at most to where this frame's move began: a head already in
// the ground is left to the usual push out, not shoved down through it.
void stopHeadUnderCeiling(Player& p, float yBefore, const CollisionMap& collision) {
  if (!rules().ceilingsStop || p.speedy >= 0.0f || !solidAt(collision, p.x + kFootProbeX, p.y + kHeadProbeY))
    return;
  while (p.y < yBefore && solidAt(collision, p.x + kFootProbeX, p.y + kHeadProbeY)) p.y += 1.0f;
  p.speedy = 0.0f;
}

void land(Player& p) {
  p.look.playLandingSound();
  if (p.speedx != 0.0f) p.look.playSound(p.look.soundRunning, kSoundLoop);
  p.jum = false;
  // An upward speed is kept: it carries the hero on up until the ground is gone.
  if (p.speedy > 0.0f) p.speedy = 0.0f;
}

// Must run after the collisions, which find the ledge walked off and the landing.
void noteGroundChange(Player& p, bool wasAirborne, uint32_t now) {
  if (!wasAirborne && p.jum) {
    p.jumpGrace.offLedge = true;
    p.jumpGrace.offLedgeTick = now;
  } else if (wasAirborne && !p.jum) {
    p.jumpOnLanding(now);
  }
}

// Any loss of health since the last draw starts the blink, whatever caused it.
void noticeHealthLoss(Player& p, uint32_t now) {
  if (p.belongings.health < p.drawnHealth) {
    p.hurtBlink = true;
    p.hurtTick = now;
    p.shieldMs = kBlinkMs;
  }
  p.drawnHealth = p.belongings.health;
}
}  // namespace

void Player::step(const Tick& tick, const CollisionMap& collision) {
  playEvents = PlayEvents{};  // this step's own reports; the flow acted on the last ones
  float frameMs = tick.movedMs();
  // Moving first, with the old speeds, then changing the speeds: the order sets the jump's height.
  const float yBefore = y;
  moveBySpeeds(*this, frameMs);
  stopHeadUnderCeiling(*this, yBefore, collision);
  growFallSpeed(*this, frameMs, tick.now);
  decaySlide(*this, frameMs, tick.now);
  pushByKnockBack(*this, frameMs, collision);
  loseLifeIfHurt(*this, tick.now);
  // The rest of this call still runs; the game flow starts the name entry after it.
  if (belongings.lives < 1) playEvents.outOfLives = true;
  const bool wasAirborne = jum;
  resolveCollisions(collision);
  noteGroundChange(*this, wasAirborne, tick.now);
}

void Player::settle(uint32_t now) {
  noticeHealthLoss(*this, now);
  animate(now);
}

void Player::resolveCollisions(const CollisionMap& collision) {
  bool wallLeft = solidAt(collision, x + kLeftProbeX, y + kSideProbeY);
  bool wallRight = solidAt(collision, x + kRightProbeX, y + kSideProbeY);
  // A wall on one side only pushes the hero out sideways and skips the ground test;
  // both probes inside solid pixels count as no wall.
  if (wallLeft && !wallRight) {
    while (solidAt(collision, x + kLeftProbeX, y + kSideProbeY)) x += 1.0f;
    return;
  }
  if (wallRight && !wallLeft) {
    while (solidAt(collision, x + kRightProbeX, y + kSideProbeY)) x -= 1.0f;
    return;
  }
  if (solidAt(collision, x + kFootProbeX, y + kFootProbeY)) {
    if (jum) land(*this);
    while (solidAt(collision, x + kFootProbeX, y + kSoleProbeY)) y -= 1.0f;
  } else if (!jum) {
    // Walked off an edge: the fall speed grows from the last jump or drop.
    jum = true;
    look.playSound(look.soundRunning, kSoundStop);
  }
}
