#pragma once
// Each level's own extras under the wild rules, read once from
// levelN-extras.txt beside the maps. A level whose file is missing or bad
// keeps the classic placement, and the game says why on standard output.
#include <cstdint>
#include <string>
#include <vector>

// Where one extra lies: an ExtraType and its sprite corner in level px.
struct ExtraSpot {
  int type, x, y;
};

// The type of a file line "goblin x y": not an extra but the post where a goblin
// lies in wait, its sprite corner in level px.
const int kGoblinPost = 100;
// The type of a file line "clock seconds": the level's own clock, in x. One line at most.
const int kLevelClock = 101;
const int kMinClockSeconds = 60, kMaxClockSeconds = 999;  // the status line has room for three digits

class LevelExtras {
 public:
  // Reads every level's file from `dir` (the working directory when empty).
  void load(const std::string& dir);
  // The extras of `level`, or null when it plays with the classic placement.
  // The first call loads the files from the working directory.
  const std::vector<ExtraSpot>* of(int level);
  // The goblin posts of `level`; null when its goblins appear as under the classic rules.
  const std::vector<ExtraSpot>* postsOf(int level);
  // The level's own clock in ms, or the classic 60 s when its file has none.
  uint32_t clockMsOf(int level);

 private:
  bool loaded = false;
  std::vector<std::vector<ExtraSpot>> spots;  // empty for a level without its own
  std::vector<std::vector<ExtraSpot>> posts;  // empty for a level without goblin posts
  std::vector<int> clockSeconds;              // 0 for a level without a clock line
};

extern LevelExtras levelExtras;

// One file's text as extras and goblin posts; on the first bad line, false with its
// number and what is wrong.
bool parseExtras(const std::string& text, std::vector<ExtraSpot>& out, int& badLine, std::string& why);
