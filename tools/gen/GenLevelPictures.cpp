#include "Generators.h"
#include "LevelBackground.h"
#include "LevelTiles.h"

void generateLevelPictures(const std::string& gameDir) {
  paintLevelBackground(gameDir);
  paintTileSheets(gameDir);
}
