#pragma once
// One function per group of game files; each writes below `gameDir`.
#include <string>

void generateScreens(const std::string& gameDir);     // the nine 640x480 screens
void generateShopPictures(const std::string& gameDir);  // racks (full, empty) and vendor
void generateSounds(const std::string& gameDir);      // every wave file
void generatePlayer(const std::string& gameDir);      // pics/player.png
void generateExtras(const std::string& gameDir);      // pics/extrasAnimalsSprites.png
void generateGoblins(const std::string& gameDir);     // pics/goblinsheet.png
void generateLevelPictures(const std::string& gameDir);  // background, tiles, tiles-collision
void generateIcon(const std::string& gameDir);           // thornwald.png, pics-web/favicon.png
