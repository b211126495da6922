// The hero's key actions and its sound picker.
#include <cstdlib>

#include "audio/Audio.h"
#include "player/Player.h"
#include "state/GameState.h"

namespace {
const float kRunSpeed = 3.0f;    // tenths of a px per ms
const float kJumpSpeed = -5.0f;  // tenths of a px per ms, upward
const uint8_t kFacingRight = 0;
const uint8_t kFacingLeft = 1;
const int kJumpChoices = 2;
const int kSwingChoices = 6;

// One of the variants that loaded, each as often as it is listed, so a missing file
// never silences the others; nothing when none loaded.
Mix_Chunk* pickLoaded(Mix_Chunk* const* variants, int count) {
  Mix_Chunk* loaded[kSwingChoices];
  int n = 0;
  for (int i = 0; i < count; ++i)
    if (variants[i]) loaded[n++] = variants[i];
  return n > 0 ? loaded[std::rand() % n] : nullptr;
}

void startRun(Player& p, float speed, uint8_t facing) {
  // In the air the run key only sets the speed; the loop starts at landing.
  if (!p.jum) p.playSound(p.soundRunning, kSoundLoop);
  p.speedx = speed;
  p.sli = false;
  p.ori = facing;
}

void startSlide(Player& p, uint32_t now) {
  p.playSound(p.soundRunning, kSoundStop);
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
  if (jum) return;
  jum = true;
  playSound(soundRunning, kSoundStop);
  jumpStart = now;
  speedy = kJumpSpeed;
}

bool Player::attack(uint32_t now) {
  // Under the wild rules a press while a swing still plays is no new swing: each one
  // plays out whole and hits as it goes (the goblins catch it in their steps).
  if (wildRules) {
    if (swinging(now)) {
      att = true;
      return false;
    }
    ++swingCount;
    swingStart = animStart = now;  // the swing's frames from the first
  }
  // Hits on the press (the caller hits the goblins); holding the key just keeps the pose.
  playSwingSound();
  att = true;
  return true;
}

bool Player::swinging(uint32_t now) const {
  return wildRules && swingCount > 0 && now - swingStart < kSwingMs;
}

void Player::playLandingSound() {
  Mix_Chunk* const jumps[kJumpChoices] = {soundJump1, soundJump2};
  playSound(pickLoaded(jumps, kJumpChoices), kSoundOnce);
}

void Player::playSwingSound() {
  // The first swing comes twice as often as each of the others.
  Mix_Chunk* const swings[kSwingChoices] = {soundSwing1, soundSwing2, soundSwing1,
                                            soundSwing3, soundSwing4, soundSwiv};
  playSound(pickLoaded(swings, kSwingChoices), kSoundOnce);
}

// Plays exactly the sound asked for: the variants are picked above by role, never by
// handle, since the empty handles of missing files are all equal, and a missing
// running loop would otherwise loop a jump or a swing.
void Player::playSound(Mix_Chunk* sound, int mode) { playEffect(sound, mode); }

void Player::loadSounds() {
  soundRunning = loadEffect("sound/running.wav");
  soundJump1 = loadEffect("sound/jump1.wav");
  soundJump2 = loadEffect("sound/jump2.wav");
  soundSwiv = loadEffect("sound/swiv.wav");
  soundSwing1 = loadEffect("sound/pandaSwing1.wav");
  soundSwing2 = loadEffect("sound/pandaSwing2.wav");
  soundSwing3 = loadEffect("sound/pandaSwing3.wav");
  soundSwing4 = loadEffect("sound/pandaSwing4.wav");
}
