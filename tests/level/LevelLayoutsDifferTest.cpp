// Five levels, five layouts: no level may be another one in a new skin.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "level/Level.h"

namespace {
const int kRows = 28, kColumns = 144;
const int kLeastDifferentCells = 800;  // of the 4,032

enum Cell { Free, Plank, Solid };

// What the hero meets in each cell: the solid tiles are a … q, the low plank r.
std::vector<Cell> cellsOf(int level) {
  std::ifstream in("level" + std::to_string(level) + ".txt");
  std::vector<Cell> cells(kRows * kColumns, Free);
  std::string line;
  for (int r = 0; r < kRows && std::getline(in, line); ++r)
    for (int c = 0; c < kColumns && c < static_cast<int>(line.size()); ++c)
      cells[r * kColumns + c] = line[c] >= 'a' && line[c] <= 'q' ? Solid : line[c] == 'r' ? Plank : Free;
  return cells;
}
}  // namespace

TEST(LevelLayoutsTest, EveryPairOfLevelsDiffersInAtLeast800Cells) {
  std::vector<std::vector<Cell>> levelCells;
  for (int n = 0; n < kLevelCount; ++n) levelCells.push_back(cellsOf(n));
  for (int a = 0; a < kLevelCount; ++a) {
    for (int b = a + 1; b < kLevelCount; ++b) {
      int differing = 0;
      for (int i = 0; i < kRows * kColumns; ++i) differing += levelCells[a][i] != levelCells[b][i];
      EXPECT_GE(differing, kLeastDifferentCells) << "levels " << a << " and " << b;
    }
  }
}
