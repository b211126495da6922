// The game's sound effects, synthesized: the running loop, two landing thumps,
// the swivel and four weapon swings. 16-bit PCM at 22050 Hz, peak about -3 dBFS, seeded noise
// so that every build writes the same files.
#include <cmath>
#include <string>

#include "Generators.h"
#include "sound/SoundSynth.h"

namespace snd {

namespace {

const int kFade = kRate * 5 / 1000;  // 5 ms edges

int samples(double seconds) { return int(std::lround(seconds * kRate)); }

void saveMono(const std::string& path, Buffer b, bool fade = true) {
  normalize({&b}, kPeak);
  if (fade) fadeEdges(b, kFade, kFade);
  writeWav(path, {&b});
}

// ---- running: soft quick footsteps, a loop of four steps ----

// One footstep: a low thump with a little crunch of leaves, over by `length` samples.
void addStep(Buffer& b, int start, int length, double pitch, double level, Noise& noise) {
  Filter crunch;
  double phase = 0;
  for (int i = 0; i < length; ++i) {
    double t = double(i) / kRate;
    double attack = 1 - std::exp(-t / 0.002);
    double tail = i > length * 0.7 ? 0.5 + 0.5 * std::cos(M_PI * (i - length * 0.7) / (length * 0.3)) : 1;
    phase += 2 * M_PI * pitch * (0.5 + 0.5 * std::exp(-t / 0.03)) / kRate;
    double thump = std::sin(phase) * std::exp(-t / 0.028);
    double leaves = crunch.run(noise.next(), 1600, 0.7).low * std::exp(-t / 0.014) * 0.9;
    b[start + i] += level * attack * tail * (thump + leaves);
  }
}

void running(const std::string& dir) {
  // A step every 0.18 s; the buffer holds exactly four steps, and each step starts and dies
  // away in silence inside its own period, so the loop joins without a click.
  const int period = samples(0.18), steps = 4, length = samples(0.11);
  Buffer b(size_t(period * steps), 0.0);
  Noise noise(1001);
  for (int k = 0; k < steps; ++k)
    addStep(b, k * period + 120, length, k % 2 ? 118 : 132, k % 2 ? 0.85 : 1, noise);
  saveMono(dir + "/sound/running.wav", b, false);
}

// ---- jumps: soft landing thumps ----

Buffer thump(double startHz, double endHz, double seconds, uint32_t seed) {
  Buffer b(size_t(samples(seconds)), 0.0);
  Noise noise(seed);
  Filter puff;
  double phase = 0;
  for (size_t i = 0; i < b.size(); ++i) {
    double t = double(i) / kRate;
    double hz = endHz + (startHz - endHz) * std::exp(-t / 0.05);
    phase += 2 * M_PI * hz / kRate;
    double body = (std::sin(phase) + 0.25 * std::sin(2 * phase)) * std::exp(-t / 0.07);
    double air = puff.run(noise.next(), 900, 0.6).low * std::exp(-t / 0.02) * 1.2;
    b[i] = (1 - std::exp(-t / 0.003)) * (body + air);
  }
  return b;
}

// ---- whooshes ----

// Noise through a band-pass whose centre sweeps from lowHz up to highHz and back a little,
// swelling over `rise` of the length and dying away after it.
Buffer whoosh(double seconds, double lowHz, double highHz, double rise, uint32_t seed) {
  Buffer b(size_t(samples(seconds)), 0.0);
  Noise noise(seed);
  Filter band, body;
  for (size_t i = 0; i < b.size(); ++i) {
    double x = double(i) / b.size();
    double sweep = x < rise ? x / rise : 1 - 0.35 * (x - rise) / (1 - rise);
    double hz = lowHz * std::pow(highHz / lowHz, sweep);
    double env = x < rise ? std::pow(x / rise, 2) : std::pow(1 - (x - rise) / (1 - rise), 1.6);
    double n = noise.next();
    double air = band.run(n, hz, 2.2).band + 0.35 * body.run(n, hz * 0.5, 0.7).low;
    b[i] = env * air;
  }
  return b;
}

void swings(const std::string& dir) {
  struct Swing {
    double seconds, lowHz, highHz, rise;
  } swings[] = {
      {0.20, 700, 2600, 0.35}, {0.26, 520, 2000, 0.4}, {0.33, 400, 1500, 0.42}, {0.42, 300, 1100, 0.45}};
  for (int k = 0; k < 4; ++k) {
    const Swing& s = swings[k];
    saveMono(dir + "/sound/pandaSwing" + std::to_string(k + 1) + ".wav",
             whoosh(s.seconds, s.lowHz, s.highHz, s.rise, 2001 + k));
  }
}

// The swivel: a quick spin, a whoosh that flutters as it turns and circles from ear to ear.
void swivel(const std::string& dir) {
  Buffer mono = whoosh(0.34, 450, 2200, 0.5, 3001);
  Buffer left(mono.size()), right(mono.size());
  for (size_t i = 0; i < mono.size(); ++i) {
    double x = double(i) / mono.size();
    double turn = 2 * M_PI * 2.5 * x;
    double flutter = 0.65 + 0.35 * std::cos(turn);
    double pan = M_PI / 4 + M_PI / 4 * std::sin(turn);
    left[i] = mono[i] * flutter * std::cos(pan);
    right[i] = mono[i] * flutter * std::sin(pan);
  }
  normalize({&left, &right}, kPeak);
  fadeEdges(left, kFade, kFade);
  fadeEdges(right, kFade, kFade);
  writeWav(dir + "/sound/swiv.wav", {&left, &right});
}

}  // namespace

}  // namespace snd

void generateSounds(const std::string& dir) {
  snd::running(dir);
  snd::saveMono(dir + "/sound/jump1.wav", snd::thump(150, 70, 0.28, 1101));
  snd::saveMono(dir + "/sound/jump2.wav", snd::thump(230, 110, 0.24, 1201));
  snd::swivel(dir);
  snd::swings(dir);
}
