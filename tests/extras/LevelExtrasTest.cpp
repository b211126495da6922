// Each level's own extras under the wild rules, and the classic table when a
// level's file is missing or bad.
#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

#include "TestSupport.h"
#include "extras/LevelExtras.h"
#include "level/Level.h"
#include "shell/GameState.h"
#include "shell/Shop.h"

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
    extras[17].place(17, 0);
    EXPECT_EQ(extras[17].type, DeadlyHazard) << c.said;
  }
  fs::remove_all(dir);
}
