#pragma once
#include <string>

// Paints "pics/background.png" below `gameDir`: the sky and far scenery behind
// every level, which is also the shop's collision image.
void paintLevelBackground(const std::string& gameDir);
