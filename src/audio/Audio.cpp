#include "audio/Audio.h"

#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/Message.h"
#include "platform/RegularFile.h"

namespace {
const int kRunningChannel = 1;
const int kSampleRate = 22050;        // Hz
const Uint16 kSampleFormat = 0x8010;  // signed 16-bit little-endian
const int kChannels = 2;
const int kBufferSamples = 512;

const uint16_t kPcm = 1;  // the one encoding SDL decodes without dividing by its block size
// Hz; SDL's conversion to the device's rate takes one step per doubling and has
// room for five: further off it writes past its list of steps.
const uint32_t kMinWaveRate = 1000, kMaxWaveRate = 1000000;
const size_t kChunkHeaderBytes = 8, kFormatBytes = 16;  // bytes

uint32_t littleEndianAt(const std::string& bytes, size_t at, int width) {
  uint32_t v = 0;
  for (int i = width - 1; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(bytes[at + i]);
  return v;
}

// Whether SDL's loader takes the format without crashing and the mixer's channels
// can play it; what else SDL cannot decode (other encodings and sample sizes) it
// refuses by itself.
bool playableFormat(const std::string& bytes, size_t at) {
  const uint32_t encoding = littleEndianAt(bytes, at, 2), channels = littleEndianAt(bytes, at + 2, 2),
                 rate = littleEndianAt(bytes, at + 4, 4), blockAlign = littleEndianAt(bytes, at + 12, 2);
  return channels >= 1 && channels <= uint32_t(kChannels) && rate >= kMinWaveRate && rate <= kMaxWaveRate &&
         (encoding == kPcm || blockAlign > 0);
}
}  // namespace

bool isPlayableWave(const std::string& bytes) {
  if (bytes.size() < 12 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0) return false;
  // The chunks as SDL reads them: the format first (after any fact or LIST
  // chunks), then on to the data; each must lie within the file.
  bool formatSeen = false;
  for (size_t at = 12; at + kChunkHeaderBytes <= bytes.size();) {
    const std::string id = bytes.substr(at, 4);
    const size_t length = littleEndianAt(bytes, at + 4, 4), data = at + kChunkHeaderBytes;
    if (length > bytes.size() - data) return false;
    if (!formatSeen && id != "fact" && id != "LIST") {
      if (id != "fmt " || length < kFormatBytes || !playableFormat(bytes, data)) return false;
      formatSeen = true;
    } else if (formatSeen && id == "data") {
      return true;
    }
    at = data + length;
  }
  return false;
}

namespace {
bool audioOpen = false;
}  // namespace

void openAudio() {
  if (Mix_OpenAudio(kSampleRate, kSampleFormat, kChannels, kBufferSamples) < 0) {
    printMessage("Unable to open audio!\n");
    std::exit(1);
  }
  audioOpen = true;
}

#ifdef __EMSCRIPTEN__
bool soundOpensAtStart() { return false; }
#else
bool soundOpensAtStart() { return true; }
#endif

Mix_Chunk* loadEffect(const char* fileName) {
  // None before the sound is open, as the desktop's mixer refuses; the page's
  // would make it a media element outside the game's mixer.
  if (!audioOpen) return nullptr;
  // Read here, so that a FIFO or a device is never waited on, and checked before
  // SDL converts it: a header of 0 channels or 0 Hz crashes the conversion.
  std::string bytes;
  if (!wasRead(readRegularFile(fileName, kMaxMediaFileBytes, bytes)) || !isPlayableWave(bytes))
    return nullptr;
  SDL_RWops* file = SDL_RWFromConstMem(bytes.data(), int(bytes.size()));
  return file ? Mix_LoadWAV_RW(file, 1) : nullptr;  // the mixer closes it; the samples are copied
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
