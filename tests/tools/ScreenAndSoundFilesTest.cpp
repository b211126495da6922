// Checks the generator's screens, shop pictures and sounds, as the game loads them from its
// working directory: sizes, pixel formats, colour keys, the calm areas under live text, the
// health-bar colour, and the sounds' format.
#include <SDL/SDL_image.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "TestSupport.h"

namespace {

// One pixel of a 24-bit surface as 0xRRGGBB.
uint32_t rgbAt(SDL_Surface* s, int x, int y) {
  Uint8 r, g, b;
  SDL_GetRGB(rawPixel(s, x, y), s->format, &r, &g, &b);
  return uint32_t(r) << 16 | uint32_t(g) << 8 | b;
}

Picture pic(const std::string& name) { return loadPicture("./pics/" + name); }

}  // namespace

TEST(ScreenFiles, AreOpaque24BitOfTheirSizesWithWhiteAroundTheShopSpritesAndDarkUnderLiveText) {
  const std::tuple<const char*, int, int> sized[] = {
      {"title.png", 640, 480},          {"inst.png", 640, 480},
      {"story.png", 640, 480},          {"about.png", 640, 480},
      {"stats.png", 640, 480},          {"scores.png", 640, 480},
      {"submit.png", 640, 480},         {"shop-background.png", 640, 480},
      {"victory.png", 640, 480},        {"weaponrack-full.png", 72, 72},
      {"weaponrack-empty.png", 72, 72}, {"armourrack-full.png", 72, 72},
      {"armourrack-empty.png", 72, 72}, {"vendor.png", 51, 61}};
  for (auto [name, w, h] : sized) {
    Picture p = pic(name);
    ASSERT_NE(p.get(), nullptr) << name << ": " << IMG_GetError();
    EXPECT_EQ(p->w, w) << name;
    EXPECT_EQ(p->h, h) << name;
    ASSERT_EQ(p->format->BitsPerPixel, 24) << name;  // no alpha
    if (w == 640) continue;
    // White is the shop sprites' colour key: it must frame each sprite.
    int border = 0;
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
        border += rgbAt(p.get(), x, y) != 0xFFFFFF && (x % (w - 1) == 0 || y % (h - 1) == 0);
    EXPECT_EQ(border, 0) << name;
  }
  // The game writes light text (lilac 213,187,234 or white) over these areas: they must stay dark.
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
    Picture p = pic(a.name);
    ASSERT_NE(p.get(), nullptr);
    double brightest = 0;
    for (int y = a.y0; y <= a.y1; ++y)
      for (int x = a.x0; x <= a.x1; ++x) {
        uint32_t c = rgbAt(p.get(), x, y);
        brightest = std::max(brightest, 0.299 * (c >> 16) + 0.587 * (c >> 8 & 255) + 0.114 * (c & 255));
      }
    EXPECT_LT(brightest, 100.0) << a.name << " at " << a.x0 << "," << a.y0;
  }
}

// The health bars are cut from the shop background's top-left corner.
TEST(ScreenFiles, ShopBackgroundCornerHoldsOneOpaqueRed) {
  Picture p = pic("shop-background.png");
  ASSERT_NE(p.get(), nullptr);
  uint32_t first = rgbAt(p.get(), 0, 0);
  EXPECT_GT(first >> 16, 150u);  // a clear red
  EXPECT_LT(first >> 8 & 255, 100u);
  EXPECT_LT(first & 0xFF, 100u);
  for (int y = 0; y < 10; ++y)  // opaque, as every screen is 24-bit
    for (int x = 0; x < 4; ++x) EXPECT_EQ(rgbAt(p.get(), x, y), first) << x << "," << y;
}

// The mixer is opened at this format; another would be converted or refused.
TEST(SoundFiles, Are16BitAt22050Hz) {
  for (const char* name : {"running.wav", "jump1.wav", "jump2.wav", "swiv.wav", "pandaSwing1.wav",
                           "pandaSwing2.wav", "pandaSwing3.wav", "pandaSwing4.wav"}) {
    SDL_AudioSpec format{};
    Uint8* buffer = nullptr;
    Uint32 length = 0;
    ASSERT_TRUE(SDL_LoadWAV(("./sound/" + std::string(name)).c_str(), &format, &buffer, &length)) << name;
    SDL_FreeWAV(buffer);
    EXPECT_EQ(format.freq, 22050) << name;
    EXPECT_EQ(format.format, AUDIO_S16LSB) << name;
  }
}
