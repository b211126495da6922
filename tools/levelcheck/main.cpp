// levelcheck [LEVEL…]: proves each level can be finished. Run in the game's
// working directory; prints one line a level, lists what cannot be reached,
// writes levelcheck-N.png, and exits non-zero when an exit is unreachable.
#include <SDL/SDL.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "LevelSearch.h"
#include "Overview.h"
#include "extras/Extra.h"
#include "level/Level.h"

namespace {
const char* nameOf(int type) {
  switch (type) {
    case Nut: return "nut";
    case Animal: return "animal";
    case LevelExit: return "exit";
    default: return "extra";
  }
}

bool checkLevel(int n, bool printRoute) {
  levels[n].load(n);
  SearchResult r = searchLevel(n);
  int nuts = 0, animals = 0;
  for (int i : r.reached) {
    nuts += r.targets[i].type == Nut;
    animals += r.targets[i].type == Animal;
  }
  std::printf("level %d: exit %s, nuts %d/28, animals %d/5\n", n, r.exitReachable ? "reachable" : "unreachable",
              nuts, animals);
  for (const Target& e : r.targets) {
    const int i = e.index;
    bool goal = e.type == Nut || e.type == Animal || e.type == LevelExit;
    if (goal && !r.reached.count(i)) std::printf("  cannot reach %s %d at (%d, %d)\n", nameOf(e.type), i, e.x, e.y);
  }
  if (printRoute) {
    for (const RouteStep& k : r.exitRoute)
      std::printf("  frame %d %s %s\n", k.frame, SDL_GetKeyName(k.key), k.down ? "down" : "up");
  }
  writeOverview(n, r, "levelcheck-" + std::to_string(n) + ".png");
  return r.exitReachable;
}
}  // namespace

int main(int argc, char** argv) {
  setenv("SDL_VIDEODRIVER", "dummy", 1);
  SDL_Init(SDL_INIT_VIDEO);
  bool printRoute = false;
  bool all = true;
  bool ok = true;
  for (int a = 1; a < argc; ++a) {
    std::string arg = argv[a];
    if (arg == "--route") {
      printRoute = true;
      continue;
    }
    all = false;
    int n = std::atoi(argv[a]);
    if (n >= 0 && n < kLevelCount) ok = checkLevel(n, printRoute) && ok;
  }
  if (all)
    for (int n = 0; n < kLevelCount; ++n) ok = checkLevel(n, printRoute) && ok;
  SDL_Quit();
  return ok ? 0 : 1;
}
