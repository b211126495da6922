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
// Decodes a wave file, or returns nullptr when it is missing, no regular file,
// or no wave the mixer converts safely (see isPlayableWave).
Mix_Chunk* loadEffect(const char* fileName);
// A RIFF wave of PCM samples, 8 or 16 bits, mono or stereo, at 8000 to 192000 Hz,
// whose chunks lie within the file.
bool isPlayableWave(const std::string& bytes);
// The one way every effect is played.
void playEffect(Mix_Chunk* sound, int mode);
// Holds every playing effect, the running loop too, and lets them go on again.
void pauseEffects();
void resumeEffects();
