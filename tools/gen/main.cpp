// thornwald-gen GAME_DIR: paints every picture and synthesizes every sound the game reads.
#include <cstdio>

#include "Generators.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: thornwald-gen GAME_DIR\n");
    return 2;
  }
  std::string dir = argv[1];
  generateScreens(dir);
  generateShopPictures(dir);
  generateSounds(dir);
  generatePlayer(dir);
  generateExtras(dir);
  generateGoblins(dir);
  generateLevelPictures(dir);
  generateIcon(dir);
  return 0;
}
