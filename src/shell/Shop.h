#pragma once

#include "level/CollisionMap.h"
#include "platform/Tick.h"

// Shop layout, in screen pixels.
const float kShopFloorY = 287.0f;
const int kWeaponRackX = 90, kArmourRackX = 192, kRackY = 264;  // the racks' corners
const int kRackWidth = 72;
const int kVendorX = 440, kVendorY = 225;
// The hero buys at a rack from its left edge (excluded) to its right edge.
const float kWeaponZoneLeft = kWeaponRackX, kWeaponZoneRight = kWeaponRackX + kRackWidth;
const float kArmourZoneLeft = kArmourRackX, kArmourZoneRight = kArmourRackX + kRackWidth;
const float kShopExitX = 640.0f;
const int kTopUpgradeLevel = 5;
const int kUpgradeStartCost = 10;  // nuts
const int kUpgradePriceStep = 10;  // nuts

// One pass of the shop screen: the hero walks past the racks and out at the right.
// True when the hero has walked out; the caller then leaves the shop.
bool shopPass(const Tick& tick);
// The action key in the shop: buys the upgrade of the rack the hero stands at.
void buyUpgrade();
// The trade key, on any screen: a weapon level for health (Belongings::consumeWeapon).
void tradeWeapon();
// What the hero's walk in the shop probes: the background picture's solid pixels,
// made into a map the first time it is asked for.
const CollisionMap& shopCollision();
// Puts both costs and both racks back as at the start of the run.
void resetShop();
// Remembers the full racks' pictures that start-up loaded, to put them back for a new game.
void rememberFullRacks();
