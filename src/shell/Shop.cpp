#include "shell/Shop.h"

#include "platform/Blit.h"
#include "platform/Image.h"
#include "platform/PictureFiles.h"
#include "platform/Video.h"
#include "play/Contacts.h"
#include "player/Player.h"
#include "shell/GameFlow.h"
#include "shell/Screens.h"
#include "state/Rules.h"
#include "text/HudLabels.h"

namespace {
// The empty racks are loaded once, the first time they are needed.
SDL_Surface* weaponRackFull = nullptr;
SDL_Surface* armourRackFull = nullptr;
SDL_Surface* weaponRackEmpty = nullptr;
SDL_Surface* armourRackEmpty = nullptr;
bool weaponEmptyLoaded = false;
bool armourEmptyLoaded = false;

SDL_Surface* emptyRack(SDL_Surface*& cache, bool& loaded, const char* path) {
  if (!loaded) {
    cache = loadImage(path);
    setColourKey(cache, kShopColourKey);
    loaded = true;
  }
  return cache;
}

bool inWeaponZone(float x) { return x > kWeaponZoneLeft && x <= kWeaponZoneRight; }
bool inArmourZone(float x) { return x > kArmourZoneLeft && x <= kArmourZoneRight; }

// The victory screen counts the nuts paid here among those collected.
void pay(int32_t& cost) {
  player.setNuts(player.getNuts() - cost);
  nutsSpent += cost;
  cost += kUpgradePriceStep;
}

// The picture's top-left corner holds the colour of the health bars, which the hero and
// the goblins draw from it; the shop covers it with the beam's wood just right of it.
const Sint16 kSwatchW = 4, kSwatchH = 10;  // px

void coverHealthSwatch() {
  if (!shopBackgroundImage || !ScreenSurface) return;
  SDL_Rect wood = {kSwatchW, 0, kSwatchW, kSwatchH};
  SDL_Rect corner = {0, 0, 0, 0};
  blit(shopBackgroundImage, &wood, ScreenSurface, &corner);
}

void drawShop() {
  drawImage(shopBackgroundImage, 0, 0);
  coverHealthSwatch();
  drawImage(weaponRackImage, kWeaponRackX, kRackY);
  drawImage(armourRackImage, kArmourRackX, kRackY);
  drawImage(vendorImage, kVendorX, kVendorY);
  buildShopStatusLine();
  drawLabel(shopStatusLabel, ScreenSurface);
}

// The hero's step runs wherever the hero walks, with what it reports acted on at once.
void walkHero(const Tick& tick) {
  contacts.stepHero(tick, shopCollision());
  player.draw(ScreenSurface, tick.now);
  actOnPlayEvents(tick.now);
}
CollisionMap shopCollisionMap;
}  // namespace

// The background, which the shop's walk probes, is taken the first time the
// shop shows: start-up does not wait for its decoding, and a game has painted
// its first level from it by then. Only its map is kept.
const CollisionMap& shopCollision() {
  static bool made = false;
  if (!made) {
    SDL_Surface* background = loadImage(kBackgroundPicture);
    shopCollisionMap.makeFrom(background);
    freeImage(background);
    made = true;
  }
  return shopCollisionMap;
}

void rememberFullRacks() {
  weaponRackFull = weaponRackImage;
  armourRackFull = armourRackImage;
}

void resetShop() {
  weaponCost = kUpgradeStartCost;
  armourCost = kUpgradeStartCost;
  nutsSpent = 0;
  weaponRackImage = weaponRackFull;
  armourRackImage = armourRackFull;
}

bool shopPass(const Tick& tick) {
  player.setY(kShopFloorY);
  drawShop();
  walkHero(tick);
  float x = player.getX();
  if (inWeaponZone(x)) {
    buildWeaponPrompt();
    drawLabel(weaponPromptLabel, ScreenSurface);
  } else if (inArmourZone(x)) {
    buildArmourPrompt();
    drawLabel(armourPromptLabel, ScreenSurface);
  } else if (x < kShopExitX && player.getArmourLevel() == kTopUpgradeLevel) {
    armourRackImage = emptyRack(armourRackEmpty, armourEmptyLoaded, kArmourRackEmptyPicture);
    armourCost = 0;
    drawImage(armourRackImage, kArmourRackX, kRackY);
    walkHero(tick);
  } else if (x < kShopExitX && player.getWeaponLevel() == kTopUpgradeLevel) {
    weaponRackImage = emptyRack(weaponRackEmpty, weaponEmptyLoaded, kWeaponRackEmptyPicture);
    weaponCost = 0;
    drawImage(weaponRackImage, kWeaponRackX, kRackY);
    walkHero(tick);
  }
  return x >= kShopExitX;
}

void tradeWeapon() {
  const int before = player.getWeaponLevel();
  player.belongings.consumeWeapon();
  // The classic price keeps rising with every purchase, traded or not.
  if (rules().buyBackAtLevelPrice && player.getWeaponLevel() < before)
    weaponCost = kUpgradeStartCost + player.getWeaponLevel() * kUpgradePriceStep;
}

void buyUpgrade() {
  float x = player.getX();
  int nuts = player.getNuts();
  if (inWeaponZone(x) && player.getWeaponLevel() < kTopUpgradeLevel && nuts >= weaponCost) {
    player.setWeaponLevel(player.getWeaponLevel() + 1);
    pay(weaponCost);
  } else if (inArmourZone(x) && player.getArmourLevel() < kTopUpgradeLevel && nuts >= armourCost) {
    player.setArmourLevel(player.getArmourLevel() + 1);
    pay(armourCost);
  }
}
