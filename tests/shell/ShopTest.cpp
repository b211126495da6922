
#include "ShellTestFixture.h"
#include "platform/Video.h"
#include "shell/Screens.h"
#include "shell/Shop.h"
#include "text/HudLabels.h"

namespace {
class ShopTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    resetShop();
    GameState = Shop;
  }
  static void standAt(float x) { placeHero(x, kShopFloorY); }
};
}  // namespace

TEST_F(ShopTest, ZonesIncludeTheirRightEdgeOnly) {
  // Where the hero stands, and the weapon and armour levels a purchase there gives.
  const std::tuple<float, int, int> cases[] = {{90, 0, 0},  {91, 1, 0},  {162, 1, 0}, {163, 0, 0},
                                               {192, 0, 0}, {193, 0, 1}, {264, 0, 1}, {265, 0, 0}};
  for (auto [x, weapon, armour] : cases) {
    player.reset(nowMs());
    resetShop();
    player.setNuts(100);
    standAt(x);
    buyUpgrade();
    EXPECT_EQ(std::pair(player.getWeaponLevel(), player.getArmourLevel()), std::pair(weapon, armour)) << x;
  }
}

TEST_F(ShopTest, PricesRiseAndShortPursesAreRefusedAtBothRacks) {
  for (auto [x, level] : {std::pair{100.0f, &Player::getWeaponLevel}, {200.0f, &Player::getArmourLevel}}) {
    SCOPED_TRACE(x);
    player.reset(nowMs());
    resetShop();
    player.setNuts(25);
    standAt(x);
    for (int i = 0; i < 2; ++i) {  // the second would cost 20 nuts
      buyUpgrade();
      EXPECT_EQ(std::pair((player.*level)(), player.getNuts()), std::pair(1, 15)) << i;
    }
    player.setNuts(1000);
    for (int i = 0; i < 10; ++i) buyUpgrade();
    EXPECT_EQ(std::pair((player.*level)(), player.getNuts()),
              std::pair(kTopUpgradeLevel, 1000 - (20 + 30 + 40 + 50)));
  }
}

TEST_F(ShopTest, OffersShowInTheirZonesAndARackEmptiesAtTheTopTheArmourFirst) {
  SDL_Surface* fullWeapon = weaponRackImage;
  SDL_Surface* fullArmour = armourRackImage;
  standAt(200);
  armourCost = 30;
  shopPass(tickNow(0));
  EXPECT_EQ(armourPromptLabel.text, " Upgrade Armour?   Cost: 30");
  // The health bars' red in the picture's corner does not show.
  EXPECT_NE(rgbOfPixel(ScreenSurface, 1, 5), rgbOfPixel(shopBackgroundImage, 1, 5));
  // The weapon rack empties while armour is below the top.
  player.setWeaponLevel(kTopUpgradeLevel);
  standAt(300);
  shopPass(tickNow(0));
  EXPECT_NE(weaponRackImage, fullWeapon);
  standAt(120);
  shopPass(tickNow(0));
  EXPECT_EQ(weaponPromptLabel.text, " Upgrade Weapon?   Cost: 0");
  // With both at the top only the armour rack empties, to a picture loaded once and kept.
  player.setArmourLevel(kTopUpgradeLevel);
  resetShop();
  standAt(300);
  shopPass(tickNow(0));
  shopPass(tickNow(0));
  EXPECT_NE(armourRackImage, fullArmour);
  EXPECT_EQ(std::tuple(armourCost, weaponRackImage, weaponCost), std::tuple(0, fullWeapon, 10));
  SDL_Surface* emptyArmour = armourRackImage;
  resetShop();
  shopPass(tickNow(0));
  EXPECT_EQ(armourRackImage, emptyArmour);
}

TEST_F(ShopTest, AnEmptyingPassMovesTheHeroTwice) {
  standAt(300);
  player.runRight();
  shopPass(tickNow(10));
  float oneStep = player.getX() - 300;
  EXPECT_GT(oneStep, 0);
  player.setArmourLevel(kTopUpgradeLevel);
  standAt(300);
  shopPass(tickNow(10));
  EXPECT_FLOAT_EQ(player.getX() - 300, 2 * oneStep);
}

TEST_F(ShopTest, AWeaponLevelTradedAwayCostsItsOwnPriceAgainUnderWildRulesOnly) {
  for (auto [wild, buyBack] : {std::pair{true, 20}, {false, 30}}) {  // the second level's price again
    player.reset(nowMs()), resetShop(), player.setNuts(100), standAt(100);
    wildRules = wild;
    buyUpgrade(), buyUpgrade(), tapAction(Action::Trade), readInput(), buyUpgrade();
    EXPECT_EQ(std::pair(player.getWeaponLevel(), player.getNuts()), std::pair(2, 70 - buyBack)) << wild;
  }
}
