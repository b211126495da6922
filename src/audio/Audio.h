#pragma once
#include <SDL/SDL_mixer.h>

#include <string>

// Modes of playEffect.
enum SoundMode : int {
  kSoundLoop = -1,  // loop without end on the running channel
  kSoundOnce = 0,   // once, on the first free channel
  kSoundStop = 2,   // halt the running channel
};

// Opens the audio device; without one the game cannot start and exits with 1.
void openAudio();
// True where the sound opens with the game (the desktop). A page opens it at
// the player's first key or click instead: a browser lets its sound start only
// then, and its first sound costs the page a long task the start need not wait for.
bool soundOpensAtStart();
// Decodes a wave file, or returns nullptr before openAudio, or when it is
// missing, no regular file, or no wave the mixer converts safely (see isPlayableWave).
Mix_Chunk* loadEffect(const char* fileName);
// A RIFF wave SDL's loader can take without crashing: mono or stereo, at 1000 to
// 1000000 Hz, an ADPCM one with a block size, its chunks within the file.
bool isPlayableWave(const std::string& bytes);
// The one way every effect is played.
void playEffect(Mix_Chunk* sound, int mode);
// Holds every playing effect, the running loop too, and lets them go on again.
void pauseEffects();
void resumeEffects();
