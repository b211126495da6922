#include "audio/Audio.h"

#include <cstdio>
#include <cstdlib>

namespace {
const int kRunningChannel = 1;
const int kSampleRate = 22050;  // Hz
const Uint16 kSampleFormat = 0x8010;  // signed 16-bit little-endian
const int kChannels = 2;
const int kBufferSamples = 512;
}  // namespace

void openAudio() {
  if (Mix_OpenAudio(kSampleRate, kSampleFormat, kChannels, kBufferSamples) < 0) {
    std::printf("Unable to open audio!\n");
    std::fflush(stdout);
    std::exit(1);
  }
}

Mix_Chunk* loadEffect(const char* fileName) {
  SDL_RWops* file = SDL_RWFromFile(fileName, "rb");
  if (!file) return nullptr;
  return Mix_LoadWAV_RW(file, 1);  // the mixer closes the file
}

void playEffect(Mix_Chunk* sound, int mode) {
  if (mode == kSoundStop) {
    Mix_HaltChannel(kRunningChannel);
    return;
  }
  if (!sound) return;
  if (mode == kSoundLoop) {
    Mix_PlayChannelTimed(kRunningChannel, sound, -1, -1);
    return;
  }
  Mix_PlayChannelTimed(-1, sound, mode, -1);
}

void pauseEffects() { Mix_Pause(-1); }
void resumeEffects() { Mix_Resume(-1); }
