// libFuzzer target: any bytes as the two score files. Loading, inserting, saving
// and reading back must keep the table whole and descending where it was.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "ScratchDir.h"
#include "scores/HighScores.h"

namespace {
void writeFile(const char* name, const uint8_t* data, size_t size) {
  std::FILE* f = std::fopen(name, "wb");
  if (!f) return;
  std::fwrite(data, 1, size, f);
  std::fclose(f);
}

int lines(const char* name) {
  std::FILE* f = std::fopen(name, "r");
  int n = 0, c;
  while (f && (c = std::fgetc(f)) != EOF) n += c == '\n';
  if (f) std::fclose(f);
  return n;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static bool inScratch = (enterScratchDir(), true);
  (void)inScratch;
  size_t half = size / 2;
  writeFile("scoredata.txt", data, half);
  writeFile("scorenames.txt", data + half, size - half);
  for (int i = 0; i < kScoreEntries; ++i) {
    scoreValues[i] = 0;
    scoreNames[i].clear();
  }
  loadScores();
  insertScore("ABC", 12345);
  saveScores();
  if (lines("scoredata.txt") != kScoreEntries || lines("scorenames.txt") != kScoreEntries) std::abort();
  int32_t before[kScoreEntries];
  for (int i = 0; i < kScoreEntries; ++i) before[i] = scoreValues[i];
  loadScores();
  for (int i = 0; i < kScoreEntries; ++i)
    if (before[i] != scoreValues[i]) std::abort();  // what was saved reads back the same
  return 0;
}
