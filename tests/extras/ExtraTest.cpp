#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <utility>

#include "TestSupport.h"
#include "extras/ExitArrow.h"
#include "extras/LevelExtras.h"
#include "level/Level.h"
#include "play/Contacts.h"
#include "player/Player.h"
#include "shell/GameFlow.h"
#include "shell/Shop.h"
#include "state/GameState.h"

namespace {

using Frame = std::pair<int, int>;  // top-left corner of a frame in the sheet

void placeAll() {
  for (int i = 0; i < kExtraCount; ++i) extras[i].place(i);
}

// Touches from the spot where the hero's corner meets the extra's centre.
void touch(Extra& e) { contacts.pickUp(e, e.x + 25 - 295.0f, e.y + 25 - 215.0f, nowMs()); }

Frame frameOf(Extra& e) {
  e.pickFrame(nowMs());
  return {e.srcRect.x, e.srcRect.y};
}

class ExtraTest : public testing::Test {
 protected:
  void SetUp() override {
    player.reset(nowMs());  // view at (100, 100), health 100, no nuts or animals
    placeAll();
  }
  SavedGameState saved;
};

TEST_F(ExtraTest, TrapAndAnimalActOncePerPlacingAndPlacingAfreshRestoresEverything) {
  touch(extras[17]);
  EXPECT_EQ(player.getHealth(), 0);
  player.setHealth(100);
  touch(extras[17]);
  EXPECT_EQ(player.getHealth(), 100);
  for (int i = 0; i < 5; ++i) touch(extras[94]);
  EXPECT_EQ(player.getAnimals(), 1);
  touch(extras[18]);
  placeAll();  // as the next level does (taken nuts come back in the progression tests)
  EXPECT_FALSE(extras[17].triggered);
  EXPECT_FALSE(extras[94].rescued);
  gameClock.advance(6000);
  extras[18].step(tickNow());
  EXPECT_EQ(extras[18].y, 1100);  // the hazard's step aside is over
}

TEST_F(ExtraTest, NutIsTakenOnlyStrictlyWithinReach) {
  contacts.pickUp(extras[67], 700.0f, 800.0f, nowMs());  // x distance exactly 30
  EXPECT_EQ(player.getNuts(), 0);
  contacts.pickUp(extras[67], 701.0f, 800.0f, nowMs());
  EXPECT_EQ(player.getNuts(), 1);  // where a taken nut goes: WildRulesTest
}

TEST_F(ExtraTest, HazardHalvesOnEveryTouchAndStepsBackOnce) {
  contacts.pickUpAll(4650 + 25 - 295, 850 + 25 - 215, nowMs());  // two hazards on one place halve twice
  EXPECT_EQ(player.getHealth(), 25);
  player.setHealth(100);
  Extra& hazard = extras[18];
  for (int health : {50, 25, 12, 6, 3, 1, 0}) {
    gameClock.advance(16);
    touch(hazard);  // the hero follows it down
    EXPECT_EQ(player.getHealth(), health);
  }
  // It steps back up one place after five seconds, once.
  for (auto [ms, y] : {std::pair{5000, 1450}, {1, 1400}, {6000, 1400}}) {
    gameClock.advance(ms);
    hazard.step(tickNow());
    EXPECT_EQ(hazard.y, y) << ms;
  }
}

TEST_F(ExtraTest, EitherExitEndsTheLevelAndLaterExtrasSeeTheOldPlace) {
  Level& level = levels[levelIndex];
  const uint32_t savedStart = level.startTick;
  level.restartTimer(nowMs());
  gameClock.advance(12345);
  GameState = Playing;
  extras[98].x = 6700;  // an animal under the hero, tested after exit 0 moved the hero
  extras[98].y = 620;
  contacts.pickUpAll(6725 - 295, 645 - 215, nowMs());
  actOnPlayEvents(nowMs());  // the game flow, after the hero's update
  EXPECT_EQ(std::tuple(GameState, player.getX(), player.getY(), secondsLeft, player.getAnimals()),
            std::tuple(LevelStats, 50.0f, -100.0f, 47, 1));

  GameState = Playing;
  extras[0].x = 0;  // exit 99 alone
  contacts.pickUpAll(6725 - 295, 645 - 215, nowMs());
  actOnPlayEvents(nowMs());
  EXPECT_EQ(GameState, LevelStats);
  level.startTick = savedStart;
}

TEST_F(ExtraTest, DeadlyTrapStrikesThenLeavesTheLevel) {
  Extra& trap = extras[17];
  EXPECT_EQ(frameOf(trap), Frame(0, 250));
  touch(trap);  // same tick as the last idle draw, as in a pass
  for (auto [ms, frame] : {std::pair{99, Frame(50, 250)}, {1, {100, 250}}, {99, {100, 250}}, {1, {0, 250}}}) {
    gameClock.advance(ms);
    EXPECT_EQ(frameOf(trap), frame);
  }
  EXPECT_EQ(trap.y, -100);
  EXPECT_EQ(trap.dstRect.y, 1000);  // the move shows from the next frame
  trap.pickFrame(nowMs());
  EXPECT_EQ(trap.dstRect.y, -200);
}

TEST_F(ExtraTest, ExitAndIdleAnimalsAlternateEvery100Ms) {
  const std::pair<int, Frame> cases[] = {{0, {143, 350}}, {94, {50, 500}}, {53, {50, 500}}};
  for (const auto& [i, second] : cases) {
    SCOPED_TRACE(i);
    Extra& e = extras[i];
    e.animStart = nowMs();
    const Frame first(0, second.second);
    EXPECT_EQ(frameOf(e), first);
    for (auto [ms, frame] : {std::pair{99, first}, {1, second}, {100, first}, {100, second}}) {
      gameClock.advance(ms);
      EXPECT_EQ(frameOf(e), frame) << ms;  // the third restarts the cycle
    }
  }
  EXPECT_EQ(Frame(extras[0].srcRect.w, extras[0].srcRect.h), Frame(150, 145));
}

TEST_F(ExtraTest, RescuedAnimalRisesAtMostOnePixelPerFrame) {
  Extra& animal = extras[94];
  touch(animal);
  animal.animStart = nowMs();
  for (int frame = 1; frame <= 6; ++frame) {  // 60 fps
    gameClock.advance(16);
    EXPECT_EQ(frameOf(animal), Frame(100, 500));
    EXPECT_EQ(animal.y, 330 - frame);
  }
  for (int frame = 1; frame <= 9; ++frame) {  // 200 fps
    gameClock.advance(5);
    animal.pickFrame(nowMs());
    EXPECT_EQ(animal.y, 324 - frame / 3);
  }
}

TEST_F(ExtraTest, SpriteSitsAtItsPlaceInTheView) {
  Extra& animal = extras[94];  // at (300, 330), the view at (100, 100)
  animal.pickFrame(nowMs());   // the draw blits the sheet to dstRect
  EXPECT_EQ(Frame(animal.dstRect.x, animal.dstRect.y), Frame(200, 230));

  player.setX(300.7f);           // -0.7 is cut toward zero, not down
  animal.y = 100 - 65536 + 200;  // risen for minutes: cut to 16 bits it would wrap to screen row 200
  animal.pickFrame(nowMs());
  EXPECT_EQ(Frame(animal.dstRect.x, animal.dstRect.y), Frame(0, -32768));  // it stays above the view
}

}  // namespace

TEST_F(ExtraTest, WildThornsAndTrapsHurtOncePerSafetyWindow) {
  wildRules = true;
  // When, which thorn, and the health after its touch.
  for (auto [ms, thorn, health] : {std::tuple{0u, 18, 50}, {16u, 19, 50}, {kBlinkMs, 20, 25}}) {
    gameClock.advance(ms);
    touch(extras[thorn]);
    EXPECT_EQ(player.getHealth(), health) << ms;
  }
  gameClock.advance(kBlinkMs);
  contacts.pickUpAll(4650 + 25 - 295, 850 + 25 - 215, nowMs());  // two thorns in one place
  EXPECT_EQ(player.getHealth(), 12);
  touch(extras[17]);  // a trap, still within the safety: set for later
  EXPECT_EQ(player.getHealth(), 12);
  gameClock.advance(kBlinkMs);
  touch(extras[17]);
  EXPECT_EQ(player.getHealth(), 0);
}

TEST_F(ExtraTest, WildDeedsScoreAndAFreedCageBecomesTheRestartPlace) {
  for (bool wild : {false, true}) {
    player.reset(nowMs());
    placeAll();  // the classic places, so 67 is a nut and 94 a cage under both rules
    wildRules = wild;
    touch(extras[67]);
    for (int i = 0; i < 3; ++i) touch(extras[94]);  // the cage at (300, 330)
    EXPECT_EQ(player.getScore(), wild ? 1 + 10 : 0);
    EXPECT_EQ(player.respawnX, wild ? 5.0f : kStartX);
    EXPECT_EQ(player.respawnY, wild ? 115.0f : kStartY);
  }
}

// Each level's own extras under the wild rules, and the classic table when a
// level's file is missing or bad.
namespace {
namespace fs = std::filesystem;

class LevelExtrasTest : public testing::Test {
 protected:
  void SetUp() override { wildRules = true; }
  void TearDown() override { levelExtras.load(""); }  // the game's own files again
  SavedGameState saved;
};
}  // namespace

TEST_F(LevelExtrasTest, EveryLevelPlacesItsOwnExtrasAndClassicKeepsTheTable) {
  StdoutCapture out;
  levelExtras.load("");
  EXPECT_EQ(out.text(), "");
  for (int n = 0; n < kLevelCount; ++n) {
    const std::vector<ExtraSpot>* own = levelExtras.of(n);
    ASSERT_NE(own, nullptr) << "level " << n;
    int animals = 0, exits = 0;
    for (int i = 0; i < kExtraCount; ++i) {
      extras[i].place(i, n);
      animals += extras[i].type == Animal;
      exits += extras[i].type == LevelExit;
    }
    EXPECT_EQ(animals, 5) << "level " << n;
    EXPECT_EQ(exits, 1) << "level " << n;
    EXPECT_GE(levelExtras.clockMsOf(n), 90000u) << "level " << n;  // time to find the way
    EXPECT_EQ(extras[1].x, (*own)[1].x);
    EXPECT_EQ(extras[kPlacelessExtra].type, 0);  // the extra without a place stays one
    // The hero walks the shop with the last level's extras still in place.
    for (const Extra& e : extras)
      for (float x = 0; x <= kShopExitX; x += 5)
        EXPECT_FALSE(touchesExtra(e.type, e.x, e.y, x, kShopFloorY)) << "level " << n << " extra " << e.index;
  }
  // Not one table for every level, and more goblins at their posts as the levels rise.
  EXPECT_NE(levelExtras.of(0)->size(), levelExtras.of(4)->size());
  EXPECT_LT(levelExtras.postsOf(0)->size(), levelExtras.postsOf(4)->size());
  // The classic rules keep the table: the level ground tests count its cages and exits.
}

TEST_F(LevelExtrasTest, ABadOrMissingFileIsNamedAndTheLevelKeepsTheClassicTable) {
  const struct {
    const char* text;  // nullptr: no file
    const char* said;
  } cases[] = {
      {nullptr, "level0-extras.txt: missing or unreadable; level 0 keeps the classic extras\n"},
      {"# ok\n\nnut 10 20\nnuts 10 20\n", "level0-extras.txt line 4: unknown extra \"nuts\""},
      {"nut 10\n", "level0-extras.txt line 1: expected \"nut x y\""},
      {"\x1b[2Jnut\x07\xff 1 2\n", "line 1: unknown extra \"?[2Jnut??\""},  // no escape reaches the terminal
      {"exit 1 2 3\n", "line 1: expected \"exit x y\""},
      {"thorn 7200 10\n", "line 1: x must be 0 to 7199"},
      {"# nothing\n", "level0-extras.txt: no extras"},
      {"goblin 10 20\n", "level0-extras.txt: no extras"},  // goblins are not extras
      {"clock 59\nnut 1 2\n", "line 1: expected \"clock seconds\", 60 to 999"},
      {"clock 90\nclock 90\nnut 1 2\n", "line 2: more than one clock"},
  };
  const fs::path dir = fs::temp_directory_path() / ("thornwald-extras-" + std::to_string(getpid()));
  fs::create_directories(dir);
  for (int n = 1; n < kLevelCount; ++n) {
    const std::string name = "level" + std::to_string(n) + "-extras.txt";
    fs::copy_file(name, dir / name, fs::copy_options::overwrite_existing);
  }
  for (const auto& c : cases) {
    fs::remove(dir / "level0-extras.txt");
    if (c.text) std::ofstream(dir / "level0-extras.txt") << c.text;
    StdoutCapture out;
    levelExtras.load(dir.string());
    EXPECT_NE(out.text().find(c.said), std::string::npos) << c.said;
    EXPECT_EQ(levelExtras.of(0), nullptr);
    EXPECT_NE(levelExtras.of(1), nullptr);
    EXPECT_EQ(levelExtras.clockMsOf(0), kLevelTimeMs);
    extras[17].place(17, 0);
    EXPECT_EQ(extras[17].type, DeadlyHazard) << c.said;
  }
  fs::remove_all(dir);
}

TEST_F(ExtraTest, AWildThornWiltsInPlaceAndIsHarmlessUntilItStandsAgain) {
  wildRules = true;
  Extra& thorn = extras[18];  // the classic table's thorn at (850, 1100)
  // Touched at its place: it stays there, does nothing after the hero's safety, and hurts
  // again once it stands, 5 s after the touch.
  for (auto [ms, health] : {std::pair{0u, 50}, {kBlinkMs + 1, 50}, {4000u, 25}}) {
    gameClock.advance(ms);
    thorn.step(tickNow());
    contacts.pickUp(thorn, 850 + 25 - 295.0f, 1100 + 25 - 215.0f, nowMs());
    EXPECT_EQ(std::tuple(player.getHealth(), thorn.y, thorn.wilted), std::tuple(health, 1100, true)) << ms;
  }
}

// A hero who hops on past the gate's middle and stops against the wall still walks through it.
TEST_F(ExtraTest, TheWildGateTakesAHeroAnywhereInItsMiddle) {
  for (bool wild : {false, true}) {
    wildRules = wild;
    EXPECT_EQ(touchesExtra(LevelExit, 6650, 570, 6765 - 295.0f, 650 - 215.0f), wild);
    EXPECT_FALSE(touchesExtra(LevelExit, 6650, 570, 6785 - 295.0f, 650 - 215.0f));
  }
}

TEST_F(ExtraTest, TheExitArrowPointsFromTheScreensEdgeOnlyWhileTheExitIsOutOfView) {
  Picture screen = rgbaPicture(640, 480, 0xFF000000);
  Extra& exit = extras[0];
  exit.type = LevelExit, exit.x = 6650, exit.y = 570;
  // A view far left of the gate: the point near the right edge at the gate's height, aimed right.
  exitArrow.draw(screen.get(), 0.0f, 400.0f, 36);
  EXPECT_EQ(rgbOfPixel(screen.get(), 600, 570 + 72 - 400), 0xe8a33du);
  EXPECT_EQ(rgbOfPixel(screen.get(), 560, 570 + 72 - 400), 0u);
  paintRect(screen.get(), 0, 0, 640, 480, 0xFF000000);
  exitArrow.draw(screen.get(), 6400.0f, 400.0f, 36);  // the gate in view
  for (int x = 0; x < 640; x += 4)
    for (int y = 0; y < 480; y += 4) ASSERT_EQ(rgbOfPixel(screen.get(), x, y), 0u) << x << ", " << y;
}
