// Pictures are decoded once and every owner gets its own copy: copies must be
// exact and must never share pixels, however they are made.
#include <SDL/SDL_image.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "TestSupport.h"
#include "platform/DecodedPictures.h"
#include "platform/Image.h"
#include "platform/PictureFiles.h"

namespace {
bool samePixels(const SDL_Surface* a, const SDL_Surface* b) {
  if (a->w != b->w || a->h != b->h || a->pitch != b->pitch) return false;
  return std::memcmp(a->pixels, b->pixels, size_t(a->pitch) * a->h) == 0;
}

class ImageCopies : public testing::Test {
 protected:
  void TearDown() override {
    freeImage(first);
    freeImage(second);
    if (reference) SDL_FreeSurface(reference);
    releaseDecodedImages();
  }
  SDL_Surface* first = nullptr;
  SDL_Surface* second = nullptr;
  SDL_Surface* reference = nullptr;
};

TEST_F(ImageCopies, EveryCopyEqualsTheFileAndKeepsItsFormat) {
  for (const char* path : {kPlayerPicture, kTitlePicture}) {
    reference = IMG_Load(path);
    first = loadImage(path);
    ASSERT_TRUE(reference && first) << path;
    EXPECT_TRUE(samePixels(first, reference)) << path;
    EXPECT_EQ(first->format->BitsPerPixel, reference->format->BitsPerPixel) << path;
    EXPECT_EQ(first->format->Amask, reference->format->Amask) << path;
    EXPECT_EQ(first->flags & SDL_SRCALPHA, reference->flags & SDL_SRCALPHA) << path;
    SDL_FreeSurface(reference);
    reference = nullptr;
    freeImage(first);
  }
}

TEST_F(ImageCopies, WritingOneCopyChangesNoOtherCopyNorLaterOnes) {
  reference = IMG_Load(kShopBackgroundPicture);
  first = loadImage(kShopBackgroundPicture);
  second = loadImage(kShopBackgroundPicture);
  ASSERT_TRUE(reference && first && second);
  ASSERT_NE(first->pixels, second->pixels);
  std::memset(first->pixels, 0x5A, size_t(first->pitch) * first->h);
  EXPECT_TRUE(samePixels(second, reference));
  freeImage(second);
  second = loadImage(kShopBackgroundPicture);
  ASSERT_TRUE(second);
  EXPECT_TRUE(samePixels(second, reference));
}

TEST_F(ImageCopies, PrefetchedPicturesAreTheSameAsOnesDecodedWhenLoaded) {
  decodedPictures().prefetch({kVendorPicture, "./pics/no-such-picture.png", kVendorPicture});
  reference = IMG_Load(kVendorPicture);
  first = loadImage(kVendorPicture);
  ASSERT_TRUE(reference && first);
  EXPECT_TRUE(samePixels(first, reference));
  EXPECT_EQ(loadImage("./pics/no-such-picture.png"), nullptr);
}

TEST_F(ImageCopies, APictureWithAPaletteIsCopiedWithItsColours) {
  SDL_Surface* paletted = SDL_CreateRGBSurface(SDL_SWSURFACE, 4, 2, 8, 0, 0, 0, 0);
  ASSERT_TRUE(paletted);
  SDL_Color colours[2] = {{10, 20, 30, 0}, {200, 100, 50, 0}};
  SDL_SetColors(paletted, colours, 0, 2);
  for (int y = 0; y < 2; ++y) std::memset(static_cast<Uint8*>(paletted->pixels) + y * paletted->pitch, y, 4);
  const std::string path = "paletted-test.bmp";
  ASSERT_EQ(SDL_SaveBMP(paletted, path.c_str()), 0);
  SDL_FreeSurface(paletted);
  first = loadImage(path.c_str());
  second = loadImage(path.c_str());
  std::remove(path.c_str());
  ASSERT_TRUE(first && second && first->format->palette);
  std::memset(first->pixels, 0, size_t(first->pitch) * first->h);
  Uint8 r, g, b;
  SDL_GetRGB(static_cast<Uint8*>(second->pixels)[second->pitch], second->format, &r, &g, &b);
  EXPECT_EQ(r, 200);
  EXPECT_EQ(g, 100);
  EXPECT_EQ(b, 50);
}
}  // namespace
