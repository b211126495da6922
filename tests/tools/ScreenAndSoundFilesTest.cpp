// Checks the generator's screens, shop pictures and sounds, as the game loads them from its
// working directory: sizes, pixel formats, colour keys, the calm areas under live text, the
// health-bar colour, and the sounds' format.
#include <SDL/SDL_image.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "TestSupport.h"

namespace {
Picture pic(const std::string& name) { return loadPicture("./pics/" + name); }

}  // namespace

// Their sizes are the game's own, checked with every picture in ImageTest.
TEST(ScreenFiles, AreOpaque24BitWithWhiteAroundTheShopSpritesAndDarkUnderLiveText) {
  for (const char* name :
       {"title.png", "inst.png", "story.png", "about.png", "stats.png", "scores.png", "submit.png",
        "shop-background.png", "victory.png", "weaponrack-full.png", "weaponrack-empty.png",
        "armourrack-full.png", "armourrack-empty.png", "vendor.png"}) {
    Picture p = pic(name);
    ASSERT_NE(p.get(), nullptr) << name << ": " << IMG_GetError();
    ASSERT_EQ(p->format->BitsPerPixel, 24) << name;  // no alpha
    const int w = p->w, h = p->h;
    if (w == 640) continue;  // a screen; the rest are shop sprites
    // White is the shop sprites' colour key: it must frame each sprite.
    int border = 0;
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
        border += rgbOfPixel(p.get(), x, y) != 0xFFFFFF && (x % (w - 1) == 0 || y % (h - 1) == 0);
    EXPECT_EQ(border, 0) << name;
  }
  // The game writes light text (lilac 213,187,234 or white) over these areas: they must stay dark.
  // (The texts over the shop carry a dark outline, so they read over anything.)
  struct Area {
    const char* name;
    int x0, y0, x1, y1;
  } areas[] = {
      {"stats.png", 176, 130, 634, 355},            // the statistics lines, the longest to 634
      {"scores.png", 250, 120, 540, 368},           // ten high-score lines
      {"scores.png", 236, 386, 560, 410},           // the line of a score that missed the table
      {"victory.png", 330, 190, 610, 314},          // final score, nuts and animals
      {"submit.png", 260, 196, 410, 246},           // the typed name
  };
  for (const Area& a : areas) {
    Picture p = pic(a.name);  // loaded above
    double brightest = 0;
    for (int y = a.y0; y <= a.y1; ++y)
      for (int x = a.x0; x <= a.x1; ++x) {
        uint32_t c = rgbOfPixel(p.get(), x, y);
        brightest = std::max(brightest, 0.299 * (c >> 16) + 0.587 * (c >> 8 & 255) + 0.114 * (c & 255));
      }
    EXPECT_LT(brightest, 100.0) << a.name << " at " << a.x0 << "," << a.y0;
  }
}

// The health bars are cut from the shop background's top-left corner.
TEST(ScreenFiles, ShopBackgroundCornerHoldsOneOpaqueRed) {
  Picture p = pic("shop-background.png");
  ASSERT_NE(p.get(), nullptr);
  uint32_t first = rgbOfPixel(p.get(), 0, 0);
  EXPECT_GT(first >> 16, 150u);  // a clear red
  EXPECT_LT(first >> 8 & 255, 100u);
  EXPECT_LT(first & 0xFF, 100u);
  for (int y = 0; y < 10; ++y)  // opaque, as every screen is 24-bit
    for (int x = 0; x < 4; ++x) EXPECT_EQ(rgbOfPixel(p.get(), x, y), first) << x << "," << y;
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
