#pragma once
// Small synthesis kit for the game's sound effects: seeded noise, a state-variable filter,
// envelopes, normalisation and a hand-written RIFF/WAVE writer (16-bit PCM).
#include <cstdint>
#include <string>
#include <vector>

namespace snd {

constexpr int kRate = 22050;
constexpr double kPeak = 23197;  // about -3 dBFS

// Seeded white noise in [-1, 1): the same numbers on every build.
class Noise {
 public:
  explicit Noise(uint32_t seed) : state_(seed ? seed : 1u) {}
  double next();

 private:
  uint32_t state_;
};

// Zavalishin's trapezoidal state-variable filter: stable for any cutoff below Nyquist.
class Filter {
 public:
  struct Out {
    double low, band, high;
  };
  Out run(double in, double cutoffHz, double q);

 private:
  double ic1_ = 0, ic2_ = 0;
};

using Buffer = std::vector<double>;  // one channel, any scale

// Scales so that the largest magnitude over all channels is `peak`.
void normalize(std::vector<Buffer*> channels, double peak);
// Raised-cosine fades over the first `inSamples` and the last `outSamples`.
void fadeEdges(Buffer& b, int inSamples, int outSamples);
// Writes 16-bit PCM; one buffer per channel, all the same length, already scaled to 16 bits.
void writeWav(const std::string& path, const std::vector<const Buffer*>& channels, int rate = kRate);

}  // namespace snd
