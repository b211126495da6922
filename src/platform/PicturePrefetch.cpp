#include "platform/PicturePrefetch.h"

#include "platform/DecodedPictures.h"
#include "platform/PictureFiles.h"

PicturePrefetch::PicturePrefetch() {
  decodedPictures().prefetch({kBackgroundPicture});
  // The rest in the order they are loaded, so the first waits are the shortest.
  decodedPictures().prefetch({kPlayerPicture, kExtrasPicture, kShopBackgroundPicture, kGoblinPicture,
                              kTilesPicture, kCollisionTilesPicture, kTitlePicture, kInstructionsPicture,
                              kStoryPicture, kStatsPicture, kAboutPicture, kScoresPicture, kSubmitPicture,
                              kVictoryPicture, kWeaponRackFullPicture, kArmourRackFullPicture, kVendorPicture});
}
