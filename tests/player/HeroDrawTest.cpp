// The hero's drawing, from sheets whose cells name themselves, onto a test screen.
#include <gtest/gtest.h>

#include <algorithm>

#include "TestSupport.h"
#include "goblins/Goblin.h"
#include "platform/Layout.h"
#include "play/Contacts.h"
#include "player/Player.h"
#include "shell/GameFlow.h"
#include "state/GameState.h"
#include "state/Rules.h"

namespace {
const uint32_t kScreen = 0xFF000001;
const uint32_t kBar = 0xFF0000FF;

class HeroDrawTest : public ::testing::Test {
 protected:
  void SetUp() override {
    player.reset(nowMs());
    setGameState(Playing);
    swapSheets();
    player.jum = false;
  }
  void TearDown() override {
    swapSheets();
    for (SDL_Surface* s : {body, indicators, bar, screen}) SDL_FreeSurface(s);
  }
  void swapSheets() {
    std::swap(player.look.spriteSheet, body), std::swap(player.look.extrasSheet, indicators);
    std::swap(player.look.healthBarImage, bar);
  }
  // The body cell drawn at body corner (bx, by), read where no bar or indicator reaches.
  uint32_t drawnBody(int bx = 295, int by = 215) {
    player.animate(nowMs());
    player.draw(screen, nowMs());
    return getPixel32(screen, bx + 5, by + 45) & 0xFFFFFF;
  }
  uint32_t cell(int column, int row) { return cellColour(column, row) & 0xFFFFFF; }
  SDL_Surface* screen = makeRgbaSurface(640, 480, kScreen);
  SDL_Surface* body = makeCellSheet(heroSheet::kWidth, heroSheet::kHeight);
  SDL_Surface* indicators = makeCellSheet(450, 100, true);
  SDL_Surface* bar = makeRgbaSurface(4, 100, kBar);
  SavedGameState saved;  // puts back the screen and a fresh hero
};

TEST_F(HeroDrawTest, LaddersAdvanceEvery100MsAndCrouchingHoldsItsFrame) {
  player.speedx = 3.0f;
  player.animStart = nowMs() - 250;
  EXPECT_EQ(drawnBody(), cell(100, 100));
  gameClock.advance(50);
  EXPECT_EQ(drawnBody(), cell(0, 100));
  EXPECT_EQ(player.animStart, nowMs());
  player.cro = true;
  gameClock.advance(1000);
  EXPECT_EQ(drawnBody(), cell(50, 400));
  EXPECT_EQ(player.animStart, nowMs());
}

TEST_F(HeroDrawTest, LandingRunnerRestartsAnOldCycleAtColumnZero) {
  Picture floor = rgbaPicture(400, 300, 0xFFFFFFFF);
  paintRect(floor.get(), 0, 258, 400, 259, 0xFF000000);
  // Far left of every level, where no extra lies.
  std::tie(player.x, player.y, player.jum, player.speedx, player.animStart) =
      std::tuple(-300.0f, 0.0f, true, 3.0f, nowMs() - 450);
  contacts.stepHero(tickNow(0.0f), collisionOf(floor.get()));
  player.draw(screen, nowMs());
  EXPECT_FALSE(player.jum);
  EXPECT_EQ(player.animStart, nowMs());
  EXPECT_EQ(getPixel32(screen, 300, 260) & 0xFFFFFF, cell(0, 100));
  gameClock.advance(10);
  EXPECT_EQ(drawnBody(), cell(0, 100));
}

TEST_F(HeroDrawTest, HealthBarIsOnePixelPerTenHealthAndTheWeaponIndicatorFollowsLevelAndSwing) {
  player.setHealth(35);
  player.setWeaponLevel(5);
  player.att = true;  // the indicator then leaves the bar's rows free
  player.ori = 1;
  player.draw(screen, nowMs());
  for (int y = 215 - 18; y <= 215 - 14; ++y)
    EXPECT_EQ(getPixel32(screen, 295 + 24, y) == kBar, y >= 215 - 17 && y <= 215 - 15) << y;
  EXPECT_NE(getPixel32(screen, 295 + 22, 215 - 16), kBar);
  EXPECT_EQ(getPixel32(screen, 295 + 26, 215 - 16), kBar);
  EXPECT_EQ(getPixel32(screen, 295 - 20 + 47, 215 - 10 + 47) & 0xFFFFFF, cell(300, 50));
  player.setWeaponLevel(1);
  player.ori = 0;
  player.draw(screen, nowMs());
  EXPECT_EQ(getPixel32(screen, 295 + 20 + 47, 215 - 10 + 47) & 0xFFFFFF, cell(200, 0));
  player.att = false;
  player.draw(screen, nowMs());
  EXPECT_EQ(getPixel32(screen, 295 + 47, 215 - 20 + 47) & 0xFFFFFF, cell(50, 0));
}

TEST_F(HeroDrawTest, AWildTapPlaysTheWholeSwingAndAClassicOneStopsAtTheRelease) {
  for (bool wild : {false, true}) {
    wildRules = wild;
    for (Goblin& g : goblins) g.x = -10000.0f;  // no goblin in reach
    const uint32_t start = nowMs();
    contacts.swing(start);
    player.stopAttack();
    for (auto [sinceMs, column] : {std::pair{0u, 0}, {290u, 100}, {300u, -1}}) {
      player.draw(screen, start + sinceMs);
      uint32_t expected = wild && column >= 0 ? cell(column, 350) : cell(0, 400);
      EXPECT_EQ(getPixel32(screen, 300, 260) & 0xFFFFFF, expected) << wild << " at " << sinceMs << " ms";
    }
  }
}

// Under the wild rules the swing reaches what its indicator shows: the painted part of
// the swung weapon's cell in the real sheet, drawn 20 px ahead of the body and 10 px up.
TEST_F(HeroDrawTest, TheWildSwingsReachIsWhereTheSwungWeaponIsPainted) {
  Picture sheet = loadPicture("pics/extrasAnimalsSprites.png");
  ASSERT_NE(sheet, nullptr);
  for (int weapon = 0; weapon < extrasSheet::kWeaponLevels; ++weapon) {
    const int cellX = extrasSheet::kWeapons[weapon].swungRight, cellY = extrasSheet::kWeapons[weapon].row;
    int left = 50, top = 50, right = 0, bottom = 0;
    for (int y = 0; y < 50; ++y)
      for (int x = 0; x < 50; ++x)
        if (rgbOfPixel(sheet.get(), cellX + x, cellY + y) != 0xFF00FF)
          left = std::min(left, x), top = std::min(top, y), right = std::max(right, x + 1),
          bottom = std::max(bottom, y + 1);
    const ArcBox a = swingArc(0.0f, 0.0f, 0, weapon);
    EXPECT_EQ(std::make_tuple(a.left, a.top, a.right, a.bottom),
              std::make_tuple(315.0f + left, 205.0f + top, 315.0f + right, 205.0f + bottom))
        << weapon;
  }
}

TEST_F(HeroDrawTest, OutsidePlayTheBodyIsCentredOnThePosition) {
  setGameState(Shop);
  std::tie(player.x, player.y) = std::pair(100.0f, 287.0f);
  EXPECT_EQ(drawnBody(75, 262), cell(0, 400));
  EXPECT_EQ(getPixel32(screen, 74, 307), kScreen);
}
}  // namespace

TEST_F(HeroDrawTest, TheWildBlinkShowsTheHeroFaintTheClassicOneHidesHim) {
  // The rules, the longest time the body's row 44 is not drawn, and the passes without row 45;
  // the wild blink after a lost life lasts its 2 s of safety.
  for (auto [wild, longestHidden] : {std::pair{true, 0u}, {false, 100u}}) {
    wildRules = wild;
    player.shield(nowMs());
    player.shieldMs = rules().respawnShieldMs;
    uint32_t hidden = 0, longest = 0, faint = 0;
    for (uint32_t t = 0; t < 2 * kBlinkMs; t += 5, gameClock.advance(5)) {
      paintRect(screen, 0, 0, 640, 480, kScreen);
      faint += drawnBody() == (kScreen & 0xFFFFFF);
      longest = std::max(longest, hidden = drawnBody(295, 214) == (kScreen & 0xFFFFFF) ? hidden + 5 : 0);
    }
    EXPECT_EQ(std::pair(longest, faint), std::pair(longestHidden, wild ? 200u : 100u))
        << wild;  // dark half of each second
  }
}
