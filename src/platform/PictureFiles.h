#pragma once
#include <cstdint>
#include <cstring>

// Every picture file the game reads, named once: the objects that own them and
// the start-up prefetch both use these.
constexpr const char* kBackgroundPicture = "./pics/background.png";
constexpr const char* kTilesPicture = "./pics/tiles.png";
constexpr const char* kCollisionTilesPicture = "./pics/tiles-collision.png";
constexpr const char* kPlayerPicture = "./pics/player.png";
constexpr const char* kExtrasPicture = "./pics/extrasAnimalsSprites.png";
constexpr const char* kGoblinPicture = "./pics/goblinsheet.png";
// Raw pixel value of magenta, the background of the extras and goblin sheets.
constexpr uint32_t kMagentaKey = 0xFF00FF;
constexpr const char* kShopBackgroundPicture = "./pics/shop-background.png";
constexpr const char* kTitlePicture = "./pics/title.png";
constexpr const char* kInstructionsPicture = "./pics/inst.png";
constexpr const char* kStoryPicture = "./pics/story.png";
constexpr const char* kStatsPicture = "./pics/stats.png";
constexpr const char* kAboutPicture = "./pics/about.png";
constexpr const char* kScoresPicture = "./pics/scores.png";
constexpr const char* kSubmitPicture = "./pics/submit.png";
constexpr const char* kVictoryPicture = "./pics/victory.png";
constexpr const char* kWeaponRackFullPicture = "./pics/weaponrack-full.png";
constexpr const char* kArmourRackFullPicture = "./pics/armourrack-full.png";
constexpr const char* kWeaponRackEmptyPicture = "./pics/weaponrack-empty.png";
constexpr const char* kArmourRackEmptyPicture = "./pics/armourrack-empty.png";
constexpr const char* kVendorPicture = "./pics/vendor.png";

// The size of each picture, in px. A picture file of another size is refused
// before it is decoded, as if it were missing: a wrong one would only be drawn
// wrong, and a huge one could take gigabytes.
struct PictureSize {
  const char* path;
  int width, height;
};
constexpr PictureSize kPictureSizes[] = {
    {kBackgroundPicture, 7200, 1400},     {kTilesPicture, 1300, 250},          {kCollisionTilesPicture, 1300, 250},
    {kPlayerPicture, 300, 650},           {kExtrasPicture, 450, 600},          {kGoblinPicture, 1000, 650},
    {kShopBackgroundPicture, 640, 480},   {kTitlePicture, 640, 480},           {kInstructionsPicture, 640, 480},
    {kStoryPicture, 640, 480},            {kStatsPicture, 640, 480},           {kAboutPicture, 640, 480},
    {kScoresPicture, 640, 480},           {kSubmitPicture, 640, 480},          {kWeaponRackFullPicture, 72, 72},
    {kArmourRackFullPicture, 72, 72},     {kWeaponRackEmptyPicture, 72, 72},   {kArmourRackEmptyPicture, 72, 72},
    {kVendorPicture, 51, 61},             {kVictoryPicture, 640, 480},
};

// The size the game expects of the picture at `path`; nullptr for a file that
// is none of the game's pictures.
inline const PictureSize* pictureSizeOf(const char* path) {
  for (const PictureSize& known : kPictureSizes)
    if (std::strcmp(known.path, path) == 0) return &known;
  return nullptr;
}
