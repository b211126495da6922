#pragma once
// Where the game puts things in the shop, shared by the shop background
// (GenShopBackground.cpp) and the rack and vendor pictures (GenShopPictures.cpp).

namespace shop {

// The hero's centre is at y 287, so its feet touch about y 310: the floor's top edge.
constexpr double kFloorY = 310;
// Racks: 72 x 72 pictures drawn at (90, 264) and (192, 264); their feet stand on the floor.
constexpr int kRackSize = 72;
constexpr double kWeaponRackX = 90, kArmourRackX = 192, kRackY = 264;
constexpr double kRackFeetY = kFloorY + 1 - kRackY;  // in the rack picture
// Vendor: a 51 x 61 picture at (440, 225). Its last row is left transparent, so the sprite
// ends at y 285, where the counter's top begins.
constexpr int kVendorW = 51, kVendorH = 61;
constexpr double kVendorX = 440, kVendorY = 225;
constexpr double kCounterTopY = kVendorY + kVendorH - 1;
// The game writes the offers at (200, 100) and (200, 150) and the status line at (10, 10).
constexpr double kBoardX = 186, kBoardY = 88, kBoardW = 380, kBoardH = 98;
constexpr double kBeamH = 42;
// The health bars are cut from the top-left 4 x 10 pixels of the shop background.
constexpr const char* kHealthRed = "#d8342c";

}  // namespace shop
