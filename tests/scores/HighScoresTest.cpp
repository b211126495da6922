#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "TestSupport.h"
#include "scores/HighScores.h"
#include "scores/NameDisplay.h"

namespace {
// The table as "value name," pairs, best first.
std::string table() {
  std::string t;
  for (int i = 0; i < kScoreEntries; ++i) t += std::to_string(scoreValues[i]) + " " + scoreNames[i] + ",";
  return t;
}

class HighScoresTest : public testing::Test {
 protected:
  SavedScoreTable savedTable;
};
}  // namespace

TEST_F(HighScoresTest, ReadingRules) {
  scoreValues[9] = 55;
  scoreNames[9] = "KEP";
  // Numbers past the int range clamp instead of overflowing.
  std::ofstream("scoredata.txt")
      << "900\r\n  42xyz\nabc\n-17\n+8\n99999999999999999999\n-99999999999999999999\n\t 12 34\n-\n";
  std::ofstream("scorenames.txt") << "ABC\r\nA\rB\n\nlast line without feed";
  loadScores();
  // The short file leaves the rest, a lone carriage return is part of a name, and
  // the unfinished last line is not an entry.
  EXPECT_EQ(table(), "900 ABC,42 A\rB,0 ,-17 ,8 ,2147483647 ,-2147483648 ,12 ,0 ,55 KEP,");
}

TEST_F(HighScoresTest, InsertionPlacesTiesBelowAndRefusesTheTenth) {
  const int32_t values[] = {500, 400, 300, 300, 200, 100, 0, 0, 0, 0};
  for (int i = 0; i < kScoreEntries; ++i) {
    scoreValues[i] = values[i];
    scoreNames[i] = "N" + std::to_string(i);
  }
  insertScore("NEW", 300);
  insertScore("ZER", 0);  // equal to the tenth
  EXPECT_EQ(table(), "500 N0,400 N1,300 N2,300 N3,300 NEW,200 N4,100 N5,0 N6,0 N7,0 N8,");
  insertScore("TOP", 9000);
  EXPECT_EQ(table().substr(0, 16), "9000 TOP,500 N0,");
}

TEST_F(HighScoresTest, TheListShowsSixteenCharactersOfANameAsUtf8) {
  std::string accents;
  for (int i = 0; i < 20; ++i) accents += "\xC3\xA9";
  EXPECT_EQ(displayName(accents), accents.substr(0, 32));  // characters, not bytes
  EXPECT_EQ(displayName(std::string("A\0B\tC\x7F", 6)), "A?B?C?");
  // Bad bytes, a cut sequence, an overlong NUL, a surrogate, a C1 control, an emoji.
  EXPECT_EQ(displayName("\xFF\xC3x\xC0\x80\xED\xA0\x80\xC2\x85\xF0\x9F\x98\x80z"), "??x???????z");
  scoreNames[0] = std::string(4096, 'W');
  renderScores();
  EXPECT_EQ(scoreLabels[0].text, std::string(16, 'W') + " - 0");
  EXPECT_NE(scoreLabels[0].surface, nullptr);
}
