#include "player/Player.h"

#include "platform/Image.h"
#include "platform/PictureFiles.h"

namespace {
const int kFullHealth = 100;
const int kStartLives = 3;
const int kWeaponHealth = 30;         // health points a consumed weapon level gives
const float kDropSpeed = 1.0f;        // tenths of a px per ms, downward
const uint32_t kBlinkPeriodMs = 100;  // dark and lit periods take turns
}  // namespace

bool blinkDark(bool started, uint32_t startTick, uint32_t now) {
  uint32_t elapsed = now - startTick;
  return started && elapsed < kBlinkMs && (elapsed / kBlinkPeriodMs) % 2 == 0;
}

Player::Player() {
  // The hero's own sheet carries alpha. The weapon indicator comes from the
  // extras sheet, whose background is magenta: without its key the indicator
  // would be a magenta box above the hero's head.
  spriteSheet = loadImage(kPlayerPicture);
  extrasSheet = loadImage(kExtrasPicture);
  setColourKey(extrasSheet, kMagentaKey);
  healthBarImage = loadImage(kShopBackgroundPicture);
}

Player::~Player() {
  freeImage(spriteSheet);
  freeImage(extrasSheet);
  freeImage(healthBarImage);
}

void Player::reset(uint32_t now) {
  speedx = 0.0f;
  speedy = 0.0f;
  jumpStart = 0;
  slideStart = 0;
  att = false;
  cro = false;
  jum = true;
  sli = false;
  animStart = now;
  ori = 0;
  health = kFullHealth;
  lives = kStartLives;
  score = 0;
  animals = 0;
  x = kStartX;
  y = kStartY;
  nuts = 0;
  weaponLevel = 0;
  armourLevel = 0;
  respawnX = kStartX;
  respawnY = kStartY;
  knockBack = 0;
  swingStart = 0;
  swingCount = 0;
  tally = LevelTally{};
  drawnHealth = kFullHealth;
  hurtBlink = false;
  lifeFlash = false;
}

void Player::stopAttack() { att = false; }
void Player::crouch() { cro = true; }
void Player::standUp() { cro = false; }

void Player::consumeWeapon() {
  if (weaponLevel <= 0) return;
  health += kWeaponHealth;  // no upper cap
  weaponLevel -= 1;
}

void Player::dropDown(uint32_t now) {
  if (jum) return;
  // Standing on solid ground, the next update lands the hero again at once.
  jum = true;
  jumpStart = now;
  speedy = kDropSpeed;
}
