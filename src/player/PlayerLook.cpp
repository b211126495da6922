#include "player/PlayerLook.h"

#include <cstdlib>

#include "audio/Audio.h"
#include "platform/Image.h"
#include "platform/PictureFiles.h"

namespace {
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
}  // namespace

PlayerLook::PlayerLook() {
  // The hero's own sheet carries alpha. The weapon indicator comes from the
  // extras sheet, whose background is magenta: without its key the indicator
  // would be a magenta box above the hero's head.
  spriteSheet = loadImage(kPlayerPicture);
  extrasSheet = loadImage(kExtrasPicture);
  setColourKey(extrasSheet, kMagentaKey);
  healthBarImage = loadImage(kShopBackgroundPicture);
}

PlayerLook::~PlayerLook() {
  freeImage(spriteSheet);
  freeImage(extrasSheet);
  freeImage(healthBarImage);
}

void PlayerLook::playLandingSound() {
  Mix_Chunk* const jumps[kJumpChoices] = {soundJump1, soundJump2};
  playSound(pickLoaded(jumps, kJumpChoices), kSoundOnce);
}

void PlayerLook::playSwingSound() {
  // The first swing comes twice as often as each of the others.
  Mix_Chunk* const swings[kSwingChoices] = {soundSwing1, soundSwing2, soundSwing1,
                                            soundSwing3, soundSwing4, soundSwiv};
  playSound(pickLoaded(swings, kSwingChoices), kSoundOnce);
}

// Plays exactly the sound asked for: the variants are picked above by role, never by
// handle, since the empty handles of missing files are all equal, and a missing
// running loop would otherwise loop a jump or a swing.
void PlayerLook::playSound(Mix_Chunk* sound, int mode) { playEffect(sound, mode); }

void PlayerLook::loadSounds() {
  soundRunning = loadEffect("sound/running.wav");
  soundJump1 = loadEffect("sound/jump1.wav");
  soundJump2 = loadEffect("sound/jump2.wav");
  soundSwiv = loadEffect("sound/swiv.wav");
  soundSwing1 = loadEffect("sound/pandaSwing1.wav");
  soundSwing2 = loadEffect("sound/pandaSwing2.wav");
  soundSwing3 = loadEffect("sound/pandaSwing3.wav");
  soundSwing4 = loadEffect("sound/pandaSwing4.wav");
}
