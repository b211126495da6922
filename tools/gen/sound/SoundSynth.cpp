// Synthesis helpers and the WAVE writer (see SoundSynth.h).
#include "sound/SoundSynth.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace snd {

double Noise::next() {
  state_ ^= state_ << 13;
  state_ ^= state_ >> 17;
  state_ ^= state_ << 5;
  return (state_ >> 8) / double(1u << 23) - 1.0;
}

Filter::Out Filter::run(double in, double cutoffHz, double q) {
  double g = std::tan(M_PI * std::min(cutoffHz, kRate * 0.45) / kRate), k = 1.0 / q;
  double a1 = 1.0 / (1.0 + g * (g + k)), a2 = g * a1, a3 = g * a2;
  double v3 = in - ic2_;
  double v1 = a1 * ic1_ + a2 * v3;
  double v2 = ic2_ + a2 * ic1_ + a3 * v3;
  ic1_ = 2 * v1 - ic1_;
  ic2_ = 2 * v2 - ic2_;
  return {v2, v1, in - k * v1 - v2};
}

void normalize(std::vector<Buffer*> channels, double peak) {
  double most = 0;
  for (const Buffer* b : channels)
    for (double v : *b) most = std::max(most, std::fabs(v));
  if (most <= 0) return;
  for (Buffer* b : channels)
    for (double& v : *b) v *= peak / most;
}

void fadeEdges(Buffer& b, int inSamples, int outSamples) {
  int n = int(b.size());
  for (int i = 0; i < inSamples && i < n; ++i) b[i] *= 0.5 - 0.5 * std::cos(M_PI * i / inSamples);
  for (int i = 0; i < outSamples && i < n; ++i) b[n - 1 - i] *= 0.5 - 0.5 * std::cos(M_PI * i / outSamples);
}

static void put16(std::FILE* f, unsigned v) {
  std::fputc(int(v & 255), f);
  std::fputc(int((v >> 8) & 255), f);
}

static void put32(std::FILE* f, unsigned long v) {
  put16(f, unsigned(v & 0xFFFF));
  put16(f, unsigned((v >> 16) & 0xFFFF));
}

static void writeHeader(std::FILE* f, int channels, int rate, unsigned long dataBytes) {
  std::fputs("RIFF", f);
  put32(f, 36 + dataBytes);
  std::fputs("WAVEfmt ", f);
  put32(f, 16);  // size of the fmt chunk
  put16(f, 1);   // PCM
  put16(f, unsigned(channels));
  put32(f, static_cast<unsigned long>(rate));
  put32(f, static_cast<unsigned long>(rate) * channels * 2);  // bytes per second
  put16(f, unsigned(channels * 2));                           // bytes per frame
  put16(f, 16);                                               // bits per sample
  std::fputs("data", f);
  put32(f, dataBytes);
}

void writeWav(const std::string& path, const std::vector<const Buffer*>& channels, int rate) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) {
    std::fprintf(stderr, "thornwald-gen: cannot write %s\n", path.c_str());
    std::exit(1);
  }
  size_t frames = channels.front()->size();
  writeHeader(f, int(channels.size()), rate, frames * channels.size() * 2);
  for (size_t i = 0; i < frames; ++i) {
    for (const Buffer* b : channels) {
      long s = std::lround((*b)[i]);
      s = std::clamp(s, -32767L, 32767L);
      put16(f, unsigned(s & 0xFFFF));
    }
  }
  std::fclose(f);
}

}  // namespace snd
