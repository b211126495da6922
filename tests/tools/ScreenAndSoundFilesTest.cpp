// Checks the generator's screens, shop pictures and sounds, as the game loads them from its
// working directory: sizes, pixel formats, colour keys, the calm areas under live text, the
// health-bar colour, and the sounds' format, level and edges.
#include <SDL/SDL.h>
#include <SDL/SDL_image.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "TestSupport.h"

namespace {

struct Rgb8 {
  int r, g, b;
  bool operator==(const Rgb8& o) const { return r == o.r && g == o.g && b == o.b; }
};

// Reads one pixel of a 24- or 32-bit surface as 8-bit red, green and blue.
Rgb8 pixelAt(SDL_Surface* s, int x, int y, int* alpha = nullptr) {
  Uint8 r, g, b, a;
  SDL_GetRGBA(rawPixel(s, x, y), s->format, &r, &g, &b, &a);
  if (alpha) *alpha = a;
  return {r, g, b};
}

bool isWhite(Rgb8 c) { return c.r == 255 && c.g == 255 && c.b == 255; }
double luminance(Rgb8 c) { return 0.299 * c.r + 0.587 * c.g + 0.114 * c.b; }

const char* const kScreens[] = {"title.png",  "inst.png",   "story.png",           "about.png",  "stats.png",
                                "scores.png", "submit.png", "shop-background.png", "victory.png"};

struct Keyed {
  const char* name;
  int w, h;
};
const Keyed kKeyed[] = {{"weaponrack-full.png", 72, 72},
                        {"weaponrack-empty.png", 72, 72},
                        {"armourrack-full.png", 72, 72},
                        {"armourrack-empty.png", 72, 72},
                        {"vendor.png", 51, 61}};

Picture pic(const std::string& name) { return loadPicture("./pics/" + name); }

// The brightest pixel in a rectangle (inclusive bounds).
double brightest(SDL_Surface* s, int x0, int y0, int x1, int y1) {
  double most = 0;
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) most = std::max(most, luminance(pixelAt(s, x, y)));
  return most;
}

int nonWhiteCount(SDL_Surface* s) {
  int n = 0;
  for (int y = 0; y < s->h; ++y)
    for (int x = 0; x < s->w; ++x) n += !isWhite(pixelAt(s, x, y));
  return n;
}

}  // namespace

TEST(ScreenFiles, AreOpaque640x480PaintingsAt24Bits) {
  for (const char* name : kScreens) {
    SCOPED_TRACE(name);
    Picture p = pic(name);
    ASSERT_NE(p.get(), nullptr) << IMG_GetError();
    EXPECT_EQ(p->w, 640);
    EXPECT_EQ(p->h, 480);
    EXPECT_EQ(p->format->BitsPerPixel, 24);
    EXPECT_EQ(p->format->Amask, 0u);
    // A real painting, not a blank fill.
    std::set<uint32_t> colours;
    for (int y = 0; y < 480; y += 7)
      for (int x = 0; x < 640; x += 7) {
        Rgb8 c = pixelAt(p.get(), x, y);
        colours.insert(uint32_t(c.r) << 16 | uint32_t(c.g) << 8 | uint32_t(c.b));
      }
    EXPECT_GT(colours.size(), 200u);
  }
}

// The game writes light text (lilac 213,187,234 or white) over these areas: they must stay dark.
TEST(ScreenFiles, LiveTextAreasAreDark) {
  struct Area {
    const char* name;
    int x0, y0, x1, y1;
  } areas[] = {
      {"stats.png", 200, 130, 639, 355},            // five statistics lines, the longest to the edge
      {"scores.png", 250, 120, 540, 368},           // ten high-score lines
      {"scores.png", 236, 386, 560, 410},           // the line of a score that missed the table
      {"victory.png", 330, 190, 610, 314},          // final score, nuts and animals
      {"submit.png", 260, 196, 410, 246},           // the typed name
      {"shop-background.png", 10, 10, 570, 34},     // shop status line
      {"shop-background.png", 200, 100, 520, 124},  // armour offer
      {"shop-background.png", 200, 150, 520, 174},  // weapon offer
  };
  for (const Area& a : areas) {
    SCOPED_TRACE(a.name);
    Picture p = pic(a.name);
    ASSERT_NE(p.get(), nullptr);
    EXPECT_LT(brightest(p.get(), a.x0, a.y0, a.x1, a.y1), 100.0);
  }
}

TEST(ScreenFiles, ShopBackgroundCornerHoldsOneOpaqueHealthColour) {
  Picture p = pic("shop-background.png");
  ASSERT_NE(p.get(), nullptr);
  int alpha = 0;
  Rgb8 first = pixelAt(p.get(), 0, 0, &alpha);
  EXPECT_FALSE(isWhite(first));
  EXPECT_GT(first.r, 150);  // a clear red
  EXPECT_LT(first.g, 100);
  EXPECT_LT(first.b, 100);
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 4; ++x) {
      SCOPED_TRACE(testing::Message() << "pixel " << x << "," << y);
      EXPECT_TRUE(pixelAt(p.get(), x, y, &alpha) == first);
      EXPECT_EQ(alpha, 255);
    }
}

TEST(ShopPictureFiles, HaveTheirSizesAt24BitsWithWhiteAroundTheSprite) {
  for (const Keyed& k : kKeyed) {
    SCOPED_TRACE(k.name);
    Picture p = pic(k.name);
    ASSERT_NE(p.get(), nullptr) << IMG_GetError();
    SDL_Surface* s = p.get();
    EXPECT_EQ(s->w, k.w);
    EXPECT_EQ(s->h, k.h);
    ASSERT_EQ(s->format->BitsPerPixel, 24);
    for (int x = 0; x < s->w; ++x) {
      EXPECT_TRUE(isWhite(pixelAt(s, x, 0))) << "top " << x;
      EXPECT_TRUE(isWhite(pixelAt(s, x, s->h - 1))) << "bottom " << x;
    }
    for (int y = 0; y < s->h; ++y) {
      EXPECT_TRUE(isWhite(pixelAt(s, 0, y))) << "left " << y;
      EXPECT_TRUE(isWhite(pixelAt(s, s->w - 1, y))) << "right " << y;
    }
    EXPECT_GT(nonWhiteCount(s), s->w * s->h / 8) << "too little sprite";
  }
}

TEST(ShopPictureFiles, FullRacksHoldMoreThanEmptyOnes) {
  Picture weaponFull = pic("weaponrack-full.png"), weaponEmpty = pic("weaponrack-empty.png");
  Picture armourFull = pic("armourrack-full.png"), armourEmpty = pic("armourrack-empty.png");
  ASSERT_TRUE(weaponFull.get() && weaponEmpty.get() && armourFull.get() && armourEmpty.get());
  EXPECT_GT(nonWhiteCount(weaponFull.get()), nonWhiteCount(weaponEmpty.get()) + 150);
  EXPECT_GT(nonWhiteCount(armourFull.get()), nonWhiteCount(armourEmpty.get()) + 300);
}

// ---- sounds ----

namespace {

const char* const kSounds[] = {"running.wav",     "jump1.wav",       "jump2.wav",       "swiv.wav",
                               "pandaSwing1.wav", "pandaSwing2.wav", "pandaSwing3.wav", "pandaSwing4.wav"};

struct Wave {
  SDL_AudioSpec format{};
  std::vector<int16_t> samples;  // interleaved
  bool ok = false;
  int frames() const { return format.channels ? int(samples.size()) / format.channels : 0; }
  int at(int frame, int channel) const { return samples[size_t(frame) * format.channels + channel]; }
};

Wave loadWave(const std::string& name) {
  Wave w;
  Uint8* buffer = nullptr;
  Uint32 length = 0;
  std::string path = "./sound/" + name;
  if (!SDL_LoadWAV(path.c_str(), &w.format, &buffer, &length)) return w;
  w.samples.resize(length / 2);
  std::memcpy(w.samples.data(), buffer, w.samples.size() * 2);
  SDL_FreeWAV(buffer);
  w.ok = true;
  return w;
}

int peakOf(const Wave& w) {
  int most = 0;
  for (int16_t s : w.samples) most = std::max(most, std::abs(int(s)));
  return most;
}

}  // namespace

TEST(SoundFiles, Are16BitAt22050HzPeakingBetweenMinus6AndMinus1Dbfs) {
  for (const char* name : kSounds) {
    SCOPED_TRACE(name);
    Wave w = loadWave(name);
    ASSERT_TRUE(w.ok) << SDL_GetError();
    EXPECT_EQ(w.format.freq, 22050);
    EXPECT_EQ(w.format.format, AUDIO_S16LSB);
    EXPECT_TRUE(w.format.channels == 1 || w.format.channels == 2);
    EXPECT_GT(w.frames(), 22050 / 10);  // at least a tenth of a second
    double dbfs = 20 * std::log10(peakOf(w) / 32768.0);
    EXPECT_GE(dbfs, -6.0);
    EXPECT_LE(dbfs, -1.0);
  }
}

TEST(SoundFiles, OneShotsStartAndEndInSilence) {
  for (const char* name : kSounds) {
    if (std::string(name) == "running.wav") continue;
    SCOPED_TRACE(name);
    Wave w = loadWave(name);
    ASSERT_TRUE(w.ok);
    for (int c = 0; c < w.format.channels; ++c) {
      for (int i = 0; i < 3; ++i) {
        EXPECT_LT(std::abs(w.at(i, c)), 330) << "start " << i;  // below -40 dBFS
        EXPECT_LT(std::abs(w.at(w.frames() - 1 - i, c)), 330) << "end " << i;
      }
    }
  }
}

TEST(SoundFiles, RunningLoopJoinsSmoothly) {
  Wave w = loadWave("running.wav");
  ASSERT_TRUE(w.ok);
  int last = w.frames() - 1;
  for (int c = 0; c < w.format.channels; ++c) {
    // Across the join the wave moves no more than between two neighbouring samples inside it.
    EXPECT_LT(std::abs(w.at(last, c) - w.at(0, c)), 330);
    EXPECT_LT(std::abs(w.at(last, c) - w.at(last - 1, c)), 330);
    EXPECT_LT(std::abs(w.at(1, c) - w.at(0, c)), 330);
  }
}

TEST(SoundFiles, SwingsDifferInLengthAndJumpsDiffer) {
  std::set<int> lengths;
  for (int i = 1; i <= 4; ++i) lengths.insert(loadWave("pandaSwing" + std::to_string(i) + ".wav").frames());
  EXPECT_EQ(lengths.size(), 4u);
  Wave jump1 = loadWave("jump1.wav"), jump2 = loadWave("jump2.wav");
  ASSERT_TRUE(jump1.ok && jump2.ok);
  EXPECT_NE(jump1.samples, jump2.samples);
}
