#pragma once
#include <string>

// Paints "pics/tiles.png" and "pics/tiles-collision.png" below `gameDir`.
void paintTileSheets(const std::string& gameDir);
