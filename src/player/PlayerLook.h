#pragma once
// The hero's pictures and sounds: loaded once, kept for the whole run.
#include <SDL/SDL.h>
#include <SDL/SDL_mixer.h>

class PlayerLook {
 public:
  PlayerLook();
  ~PlayerLook();
  PlayerLook(const PlayerLook&) = delete;
  PlayerLook& operator=(const PlayerLook&) = delete;

  void loadSounds();
  void playSound(Mix_Chunk* sound, int mode);
  void playLandingSound();  // one of the jump sounds
  void playSwingSound();    // one of the swing sounds or the swivel

  SDL_Surface* spriteSheet = nullptr;
  SDL_Surface* extrasSheet = nullptr;
  SDL_Surface* healthBarImage = nullptr;
  Mix_Chunk* soundRunning = nullptr;
  Mix_Chunk* soundJump1 = nullptr;
  Mix_Chunk* soundJump2 = nullptr;
  Mix_Chunk* soundSwiv = nullptr;
  Mix_Chunk* soundSwing1 = nullptr;
  Mix_Chunk* soundSwing2 = nullptr;
  Mix_Chunk* soundSwing3 = nullptr;
  Mix_Chunk* soundSwing4 = nullptr;
};
