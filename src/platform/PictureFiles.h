#pragma once
#include <cstdint>

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
