// A second game saving the high scores in the working folder, for the score file
// tests: a small process of its own, so the tests need not fork their big one.
// "again": saves ever new tables, each name its score, until killed.
// "halfway": saves one such table and stops itself right after the scores file is
// renamed, before the names file is, so the test can kill it there.
// "wait": stops until the test lets it go, then adds an entry and saves it, ending
// early on SIGTERM as the game does.
// Otherwise: reads the table, stops until the test has saved its own entry, then adds one.
#include <signal.h>

#include <cstring>
#include <string>

#include "platform/StopRequest.h"
#include "scores/FileCalls.h"
#include "scores/HighScores.h"

// The two globals the score code uses; the game's others stay out of this process.
std::string scoreNames[kScoreEntries];
TextLabel scoreLabels[kScoreEntries];

namespace {
void fillTable(int save) {
  for (int i = 0; i < kScoreEntries; ++i) scoreNames[i] = std::to_string(scoreValues[i] = save * 100 + i);
}

int renameThenStop(const char* from, const char* to) {
  int result = std::rename(from, to);
  const char* slash = std::strrchr(to, '/');
  if (std::strcmp(slash ? slash + 1 : to, "scoredata.txt") == 0) raise(SIGSTOP);
  return result;
}
}  // namespace

int main(int argc, char** argv) {
  std::string mode = argc > 1 ? argv[1] : "once";
  if (mode == "again") {
    for (int save = 1;; ++save) {
      fillTable(save);
      saveScores();
    }
  }
  if (mode == "halfway") {
    fileCalls.rename = renameThenStop;
    loadScores();
    fillTable(1);
    saveScores();
    return 0;
  }
  if (mode == "wait") {
    catchStopSignals();
    raise(SIGSTOP);
    insertScore("BBB", 888);
    saveScores();
    return 0;
  }
  loadScores();
  raise(SIGSTOP);
  insertScore("BBB", 888);
  saveScores();
}
