// Sound files are checked before SDL converts them: a header SDL's conversion
// cannot take (0 channels, 0 Hz) crashed the game at every start.
#include <gtest/gtest.h>

#include <fstream>

#include "TestSupport.h"
#include "audio/Audio.h"

namespace {
void putLittleEndian(std::string& bytes, size_t at, uint32_t v, int width) {
  for (int i = 0; i < width; ++i) bytes[at + i] = char(v >> (8 * i));
}

TEST(SoundFiles, OnlyWavesTheMixerConvertsSafelyAreTaken) {
  const std::string good = readFile("sound/jump1.wav");  // 22050 Hz mono 16-bit PCM, fmt at 12, data at 36
  ASSERT_TRUE(isPlayableWave(good));
  const struct {
    size_t at;
    uint32_t value;
    int width;
    bool playable;
  } cases[] = {
      {22, 0, 2, false},          {22, 3, 2, false},        {22, 2, 2, true},      // channels
      {24, 0, 4, false},          {24, 4000, 4, false},     {24, 44100, 4, true},  // Hz
      {20, 2, 2, false},          {34, 12, 2, false},       {34, 8, 2, true},      // encoding, bits
      {16, 12, 4, false},         {40, 1u << 30, 4, false},  // fmt too short, data past the end
      {12, 0x5453494C, 4, false},                            // no fmt before the data
  };
  for (const auto& c : cases) {
    std::string wave = good;
    putLittleEndian(wave, c.at, c.value, c.width);
    EXPECT_EQ(isPlayableWave(wave), c.playable) << "byte " << c.at << " = " << c.value;
    std::ofstream("bad.wav", std::ios::binary) << wave;
    Mix_Chunk* chunk = loadEffect("bad.wav");  // with a checked header SDL takes it, or it is missing
    EXPECT_EQ(chunk != nullptr, c.playable) << "byte " << c.at << " = " << c.value;
    if (chunk) Mix_FreeChunk(chunk);
  }
  std::remove("bad.wav");
  EXPECT_FALSE(isPlayableWave(good.substr(0, 30)));
}
}  // namespace
