#pragma once

// Shop layout, in screen pixels.
const float kShopFloorY = 287.0f;
const float kWeaponZoneLeft = 90.0f, kWeaponZoneRight = 162.0f;  // left bound excluded
const float kArmourZoneLeft = 192.0f, kArmourZoneRight = 264.0f;
const float kShopExitX = 640.0f;
const int kTopUpgradeLevel = 5;
const int kUpgradeStartCost = 10;  // nuts
const int kUpgradePriceStep = 10;  // nuts

// One pass of the shop screen: the hero walks past the racks and out at the right.
// True when the hero has walked out; the caller then leaves the shop.
bool shopPass(float frameMs);
// The action key in the shop: buys the upgrade of the rack the hero stands at.
void buyUpgrade();
// Puts both costs and both racks back as at the start of the run.
void resetShop();
// Remembers the full racks' pictures that start-up loaded, to put them back for a new game.
void rememberFullRacks();
