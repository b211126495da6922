// A second game saving the high scores in the working folder, for the score file
// tests: a small process of its own, so the tests need not fork their big one.
// "again": saves ever new tables, each name its score, until killed. Otherwise:
// reads the table, stops until the test has saved its own entry, then adds one.
#include <signal.h>

#include <string>

#include "scores/HighScores.h"

// The two globals the score code uses; the game's others stay out of this process.
std::string scoreNames[kScoreEntries];
TextLabel scoreLabels[kScoreEntries];

int main(int argc, char** argv) {
  if (argc > 1 && std::string(argv[1]) == "again") {
    for (int save = 1;; ++save) {
      for (int i = 0; i < kScoreEntries; ++i) scoreNames[i] = std::to_string(scoreValues[i] = save * 100 + i);
      saveScores();
    }
  }
  loadScores();
  raise(SIGSTOP);
  insertScore("BBB", 888);
  saveScores();
}
