// Pictures are decoded once and every owner gets a handle of its own that
// shares the pixels: handles must be exact, keep their own flags and outlive
// each other; a private copy is painted on without touching the shared picture.
#include <SDL/SDL_image.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstring>
#include <fstream>

#include "TestSupport.h"
#include "platform/DecodedPictures.h"
#include "platform/Image.h"
#include "platform/PictureFiles.h"

namespace {
// Pictures of 2 x 1 pixels whose second pixel a tRNS chunk makes transparent, so
// IMG_Load gives them a colour key: one in true colour, one with a palette of
// two equal greens.
const unsigned char kKeyedTrueColourPng[] = {
    0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a, 0x00, 0x00, 0x00, 0x0d, 0x49, 0x48, 0x44,
    0x52, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x01, 0x08, 0x02, 0x00, 0x00, 0x00, 0x7b,
    0x40, 0xe8, 0xdd, 0x00, 0x00, 0x00, 0x06, 0x74, 0x52, 0x4e, 0x53, 0x00, 0x00, 0x00, 0xff,
    0x00, 0x00, 0xd0, 0x3e, 0x33, 0x7c, 0x00, 0x00, 0x00, 0x0f, 0x49, 0x44, 0x41, 0x54, 0x78,
    0xda, 0x63, 0xf8, 0xcf, 0xc0, 0xc0, 0xf0, 0x9f, 0x01, 0x00, 0x07, 0xff, 0x01, 0xff, 0xb8,
    0x04, 0x35, 0xe0, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4e, 0x44, 0xae, 0x42, 0x60, 0x82,
};
const unsigned char kKeyedPalettePng[] = {
    0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a, 0x00, 0x00, 0x00, 0x0d, 0x49, 0x48, 0x44, 0x52, 0x00,
    0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x01, 0x08, 0x03, 0x00, 0x00, 0x00, 0xc3, 0xfc, 0x8f, 0xb8, 0x00,
    0x00, 0x00, 0x06, 0x50, 0x4c, 0x54, 0x45, 0x00, 0xff, 0x00, 0x00, 0xff, 0x00, 0xfc, 0x27, 0x83, 0x31,
    0x00, 0x00, 0x00, 0x02, 0x74, 0x52, 0x4e, 0x53, 0xff, 0x00, 0xe5, 0xb7, 0x30, 0x4a, 0x00, 0x00, 0x00,
    0x0b, 0x49, 0x44, 0x41, 0x54, 0x78, 0xda, 0x63, 0x60, 0x60, 0x04, 0x00, 0x00, 0x04, 0x00, 0x02, 0x2c,
    0xde, 0x48, 0xad, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4e, 0x44, 0xae, 0x42, 0x60, 0x82,
};

bool samePixels(const SDL_Surface* a, const SDL_Surface* b) {
  if (a->w != b->w || a->h != b->h || a->pitch != b->pitch) return false;
  return std::memcmp(a->pixels, b->pixels, size_t(a->pitch) * a->h) == 0;
}

class ImageCopies : public testing::Test {
 protected:
  void TearDown() override {
    freeImage(first);
    freeImage(second);
    releaseDecodedImages();
  }
  SDL_Surface* first = nullptr;
  SDL_Surface* second = nullptr;
};

// Handles and private copies alike, of the game's pictures and of the keyed ones.
TEST_F(ImageCopies, EveryCopyEqualsTheFileAndKeepsItsFormatAndColourKeyPrefetchedOrNot) {
  for (auto [path, bytes, size] :
       {std::tuple{"keyed-true-colour.png", kKeyedTrueColourPng, sizeof kKeyedTrueColourPng},
        {"keyed-palette.png", kKeyedPalettePng, sizeof kKeyedPalettePng}})
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes), size);
  decodedPictures().prefetch({kVendorPicture, "./pics/no-such-picture.png", kVendorPicture});
  for (const char* path :
       {kPlayerPicture, kTitlePicture, kVendorPicture, "keyed-true-colour.png", "keyed-palette.png"}) {
    Picture reference = loadPicture(path);
    first = loadImage(path);
    second = first ? privateRows(first, 0, first->h) : nullptr;
    ASSERT_TRUE(reference && first && second) << path;
    const bool keyed = std::strncmp(path, "keyed", 5) == 0;
    EXPECT_TRUE(!keyed || reference->flags & SDL_SRCCOLORKEY) << path;
    // The pixels, the palette's colours, the format, the flags and the colour key.
    auto look = [](SDL_Surface* s) {
      return std::tuple(rgbOfPixel(s, 0, 0), s->format->BitsPerPixel, s->format->Amask,
                        s->flags & (SDL_SRCALPHA | SDL_SRCCOLORKEY), s->format->colorkey);
    };
    for (SDL_Surface* s : {first, second}) {
      EXPECT_TRUE(samePixels(s, reference.get())) << path;
      EXPECT_EQ(look(s), look(reference.get())) << path;
    }
    freeImage(first);
    freeImage(second);
  }
  std::remove("keyed-true-colour.png");
  std::remove("keyed-palette.png");
  EXPECT_EQ(loadImage("./pics/no-such-picture.png"), nullptr);
}

TEST_F(ImageCopies, HandlesShareOnePictureThatOutlivesEachOfThemAndPrivateCopiesDoNot) {
  Picture reference = loadPicture(kShopBackgroundPicture);
  first = loadImage(kShopBackgroundPicture);
  second = loadImage(kShopBackgroundPicture);
  ASSERT_TRUE(reference && first && second);
  EXPECT_EQ(first->pixels, second->pixels);
  setColourKey(first, 0xFFFFFF);
  EXPECT_FALSE(second->flags & SDL_SRCCOLORKEY);
  freeImage(first);
  releaseDecodedImages();
  EXPECT_TRUE(samePixels(second, reference.get()));
  // Drawn the same as the file.
  Picture a = rgbaPicture(640, 480, 0), b = rgbaPicture(640, 480, 0);
  SDL_BlitSurface(second, nullptr, a.get(), nullptr);
  SDL_BlitSurface(reference.get(), nullptr, b.get(), nullptr);
  EXPECT_TRUE(samePixels(a.get(), b.get()));
  // A private copy is painted on alone and counted apart.
  const size_t shared = sharedPictureBytes(), held = privatePictureBytes();
  first = privateRows(second, 0, second->h);
  ASSERT_TRUE(first);
  EXPECT_TRUE(samePixels(first, reference.get()));
  EXPECT_EQ(std::pair(privatePictureBytes(), sharedPictureBytes()),
            std::pair(held + size_t(first->pitch) * first->h, shared));
  std::memset(first->pixels, 0x5A, size_t(first->pitch) * first->h);
  EXPECT_TRUE(samePixels(second, reference.get()));
  freeImage(first);
  EXPECT_EQ(privatePictureBytes(), held);
}

// A picture of any size is taken (a 2 x 1 PNG as the vendor); one whose header
// declares more pixels than the cap (16000 x 8000 as the story) or one that is no
// regular file (a FIFO as the title) is missing, and nothing waits.
TEST_F(ImageCopies, APictureTooLargeToDecodeOrNoRegularFileIsMissingAndAnyOtherSizeIsTaken) {
  std::filesystem::path home = std::filesystem::current_path();
  char pattern[] = "/tmp/thornwald-pics-XXXXXX";
  std::filesystem::path dir = mkdtemp(pattern);
  std::filesystem::create_directory(dir / "pics");
  std::ofstream(dir / kVendorPicture, std::ios::binary)
      .write(reinterpret_cast<const char*>(kKeyedTrueColourPng), sizeof kKeyedTrueColourPng);
  std::string huge(reinterpret_cast<const char*>(kKeyedTrueColourPng), sizeof kKeyedTrueColourPng);
  huge.replace(16, 8, std::string("\0\0\x3e\x80\0\0\x1f\x40", 8));  // IHDR width and height
  std::ofstream(dir / kStoryPicture, std::ios::binary) << huge;
  ASSERT_EQ(mkfifo((dir / kTitlePicture).c_str(), 0600), 0);
  std::filesystem::current_path(dir);
  {
    DecodedPictures fresh;  // the game's own table still holds the real pictures
    const DecodedPicture vendor = fresh.get(kVendorPicture);
    ASSERT_TRUE(vendor.picture);
    EXPECT_EQ(std::tuple(vendor.picture->w, bool(fresh.get(kStoryPicture).picture),
                         bool(fresh.get(kTitlePicture).picture)),
              std::tuple(2, false, false));
  }
  std::filesystem::current_path(home);
  std::filesystem::remove_all(dir);
}
}  // namespace
