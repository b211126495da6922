#include "Generators.h"
#include "level/LevelBackground.h"
#include "level/LevelTiles.h"

void generateLevelPictures(const std::string& gameDir) {
  paintLevelBackground(gameDir);
  paintTileSheets(gameDir);
}
