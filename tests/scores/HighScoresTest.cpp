#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "TestSupport.h"
#include "scores/HighScores.h"
#include "scores/NameDisplay.h"

namespace {
void writeFile(const char* name, const std::string& text) {
  std::ofstream out(name, std::ios::binary);
  out << text;
}

class HighScoresTest : public testing::Test {
 protected:
  SavedScoreTable savedTable;
  void setTable(std::initializer_list<int32_t> values) {
    int i = 0;
    for (int32_t v : values) {
      scoreValues[i] = v;
      scoreNames[i] = "N" + std::to_string(i);
      ++i;
    }
  }
};
}  // namespace

TEST_F(HighScoresTest, MissingFilesAreWrittenAsTenLines) {
  std::remove("scoredata.txt");
  std::remove("scorenames.txt");
  loadScores();
  saveScores();
  renderScores();
  EXPECT_EQ(readFile("scoredata.txt"), "0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n");
  EXPECT_EQ(readFile("scorenames.txt"), "\n\n\n\n\n\n\n\n\n\n");
  EXPECT_EQ(scoreLabels[0].text, " - 0");
}

TEST_F(HighScoresTest, ReadingRules) {
  scoreValues[5] = 55;
  scoreNames[5] = "KEP";
  writeFile("scoredata.txt", "900\r\n  42xyz\nabc\n-17\n+8\n");
  writeFile("scorenames.txt", "ABC\r\nA\rB\n\nlast line without feed");
  loadScores();
  EXPECT_EQ(scoreValues[0], 900);
  EXPECT_EQ(scoreValues[1], 42);
  EXPECT_EQ(scoreValues[2], 0);
  EXPECT_EQ(scoreValues[3], -17);
  EXPECT_EQ(scoreValues[4], 8);
  EXPECT_EQ(scoreValues[5], 55);  // the short file leaves the rest
  EXPECT_EQ(scoreNames[0], "ABC");
  EXPECT_EQ(scoreNames[1], "A\rB");  // a lone carriage return is part of the name
  EXPECT_EQ(scoreNames[2], "");
  EXPECT_EQ(scoreNames[3], "");  // the unfinished last line is not an entry
  EXPECT_EQ(scoreNames[5], "KEP");
}

TEST_F(HighScoresTest, LinesAfterTheTenthAreIgnored) {
  std::string many;
  for (int i = 0; i < 15; ++i) many += std::to_string(100 - i) + "\n";
  writeFile("scoredata.txt", many);
  loadScores();
  EXPECT_EQ(scoreValues[9], 91);
}

TEST_F(HighScoresTest, ScoreLinesClampInsteadOfOverflowing) {
  EXPECT_EQ(parseScoreLine("99999999999999999999"), 2147483647);
  EXPECT_EQ(parseScoreLine("-99999999999999999999"), -2147483647 - 1);
  EXPECT_EQ(parseScoreLine("\t 12 34"), 12);
  EXPECT_EQ(parseScoreLine("-"), 0);
  EXPECT_EQ(parseScoreLine(""), 0);
}

TEST_F(HighScoresTest, InsertionPlacesTiesBelowAndRefusesTheTenth) {
  setTable({500, 400, 300, 300, 200, 100, 0, 0, 0, 0});
  insertScore("NEW", 300);
  EXPECT_EQ(scoreValues[4], 300);
  EXPECT_EQ(scoreNames[4], "NEW");
  EXPECT_EQ(scoreNames[3], "N3");
  EXPECT_EQ(scoreValues[5], 200);
  EXPECT_EQ(scoreNames[9], "N8");  // the last 0 dropped out
  insertScore("ZER", 0);
  EXPECT_EQ(scoreNames[9], "N8");
  insertScore("TOP", 9000);
  EXPECT_EQ(scoreNames[0], "TOP");
  EXPECT_EQ(scoreNames[1], "N0");
}

TEST_F(HighScoresTest, SavingRoundTripsAndLeavesNoTemporaryFile) {
  setTable({70, 60, 50, -5, 0, 0, 0, 0, 0, 0});
  saveScores();
  EXPECT_EQ(readFile("scoredata.txt"), "70\n60\n50\n-5\n0\n0\n0\n0\n0\n0\n");
  EXPECT_EQ(readFile("scorenames.txt"), "N0\nN1\nN2\nN3\nN4\nN5\nN6\nN7\nN8\nN9\n");
  EXPECT_FALSE(std::ifstream("scoredata.txt.tmp").good());
  for (int i = 0; i < kScoreEntries; ++i) scoreValues[i] = 1;
  loadScores();
  EXPECT_EQ(scoreValues[3], -5);
  renderScores();
  EXPECT_EQ(scoreLabels[3].text, "N3 - -5");
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
