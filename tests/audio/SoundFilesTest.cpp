// Sound files are checked before SDL converts them: a header SDL's conversion
// cannot take (0 channels, 0 Hz) crashed the game at every start. Everything
// else SDL's own loader decodes, ADPCM included, is played.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "TestSupport.h"
#include "audio/Audio.h"
#include "platform/DecodedPictures.h"
#include "text/FontCache.h"

namespace {
std::string littleEndian(uint32_t v, int width) {
  std::string bytes;
  for (int i = 0; i < width; ++i) bytes += char(v >> (8 * i));
  return bytes;
}
std::string chunk(const std::string& id, const std::string& body) {
  return id + littleEndian(body.size(), 4) + body;
}
std::string riff(const std::string& chunks) {
  return "RIFF" + littleEndian(4 + chunks.size(), 4) + "WAVE" + chunks;
}

const uint32_t kBlockBytes = 256, kMsBlockSamples = 500, kImaBlockSamples = 505;  // mono blocks
// Two mono ADPCM blocks at 22050 Hz of `encoding` (2: MS, 0x11: IMA), 4 bits a sample.
std::string adpcm(uint32_t encoding, uint32_t channels, uint32_t blockBytes = kBlockBytes) {
  const bool ms = encoding == 2;
  std::string format = littleEndian(encoding, 2) + littleEndian(channels, 2) + littleEndian(22050, 4) +
                       littleEndian(11100, 4) + littleEndian(blockBytes, 2) + littleEndian(4, 2);
  const int coefficients[7][2] = {{256, 0}, {512, -256}, {0, 0},     {192, 64},
                                  {240, 0}, {460, -208}, {392, -232}};
  std::string extra = littleEndian(ms ? kMsBlockSamples : kImaBlockSamples, 2);
  if (ms) {
    extra += littleEndian(7, 2);
    for (const auto& c : coefficients) extra += littleEndian(c[0], 2) + littleEndian(c[1], 2);
  }
  // Each block: its header (MS: predictor 0, delta 16, two samples; IMA: a sample,
  // step 0), then the same nibbles to its end.
  std::string block = ms ? std::string("\0\x10\0\0\0\0\0", 7) : std::string(4, '\0');
  block += std::string(kBlockBytes - block.size(), '\x71');
  return riff(chunk("fmt ", format + littleEndian(extra.size(), 2) + extra) + chunk("data", block + block));
}

TEST(SoundFiles, WavesSdlDecodesArePlayedAndThoseThatBreakItRefused) {
  const std::string good = readFile("sound/jump1.wav");  // 22050 Hz mono 16-bit PCM, fmt at 12, data at 36
  const auto patched = [&](size_t at, uint32_t value, int width) {
    return good.substr(0, at) + littleEndian(value, width) + good.substr(at + width);
  };
  const std::string list = chunk("LIST", std::string("INFOISFT\4\0\0\0gen\0", 16));
  const struct {
    const char* what;
    std::string wave;
    uint32_t decodedBytes;  // at the device's 16-bit stereo; 0: refused
  } cases[] = {
      {"the game's own", good, uint32_t(good.size() - 44) * 2},
      {"stereo", patched(22, 2, 2), uint32_t(good.size() - 44)},
      {"0 channels", patched(22, 0, 2), 0},
      {"3 channels, more than the mixer's", patched(22, 3, 2), 0},
      {"44100 Hz", patched(24, 44100, 4), uint32_t(good.size() - 44)},
      {"0 Hz", patched(24, 0, 4), 0},
      {"100 Hz, too far for the conversion", patched(24, 100, 4), 0},
      {"a LIST chunk before the format", riff(list + good.substr(12)), uint32_t(good.size() - 44) * 2},
      {"a LIST chunk past the end", riff("LIST" + littleEndian(1u << 20, 4) + good.substr(12)), 0},
      {"data past the end", patched(40, 1u << 30, 4), 0},
      {"the format 12 bytes", patched(16, 12, 4), 0},
      {"no format before the data", patched(12, 0x5453494C, 4), 0},
      {"cut inside the format", good.substr(0, 30), 0},
      {"MS ADPCM", adpcm(2, 1), 2 * kMsBlockSamples * 4},
      {"IMA ADPCM", adpcm(0x11, 1), 2 * kImaBlockSamples * 4},
      {"MS ADPCM of 0 channels", adpcm(2, 0), 0},
      {"IMA ADPCM of 0-byte blocks, which SDL divides by", adpcm(0x11, 1, 0), 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(isPlayableWave(c.wave), c.decodedBytes > 0) << c.what;
    std::ofstream("test.wav", std::ios::binary) << c.wave;
    Mix_Chunk* sound = loadEffect("test.wav");  // with a checked header SDL takes it, or it is missing
    EXPECT_EQ(sound ? sound->alen : 0, c.decodedBytes) << c.what;
    if (sound) {
      EXPECT_GE(Mix_PlayChannel(-1, sound, 0), 0) << c.what;
      Mix_HaltChannel(-1);
      Mix_FreeChunk(sound);
    }
  }
  std::remove("test.wav");
}

// A sound, the font and a picture are taken up to 64 MiB, as a real one padded
// with zeros there shows; a byte more and it is missing.
TEST(SoundFiles, ASoundTheFontAndAPictureAreTakenUpTo64MiB) {
  namespace fs = std::filesystem;
  const fs::path home = fs::current_path();
  char pattern[] = "/tmp/thornwald-caps-XXXXXX";
  const fs::path dir = mkdtemp(pattern);
  const char* files[] = {"sound/jump1.wav", "BoldFaceLie.TTF", "pics/goblinsheet.png"};
  fs::create_directory(dir / "sound");
  fs::create_directory(dir / "pics");
  for (const char* file : files) fs::copy_file(home / file, dir / file);
  fs::current_path(dir);
  const uint64_t kCap = 64u << 20;  // bytes
  for (const char* file : files) {
    const uint64_t size = fs::file_size(file);
    for (uint64_t padded : {kCap, kCap + 1}) {
      fs::resize_file(file, padded);
      Mix_Chunk* sound = loadEffect(files[0]);
      FontCache fonts;
      TTF_Font* font = fonts.get(20);
      DecodedPictures pictures;
      EXPECT_EQ(sound && font && pictures.get(files[2]).picture, padded == kCap) << file << " of " << padded;
      if (sound) Mix_FreeChunk(sound);
      if (font) TTF_CloseFont(font);
    }
    fs::resize_file(file, size);
  }
  fs::current_path(home);
  fs::remove_all(dir);
}
}  // namespace
