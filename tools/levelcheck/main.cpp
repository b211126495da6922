// levelcheck [--route] [--wild] [--expert] [LEVEL…]: proves each level can be
// finished, with the classic extras or, with --wild, each level's own. Run in the
// game's working directory; prints one line a level and a line of figures, lists
// what cannot be reached and every dead end, writes levelcheck-N.png, and exits
// non-zero when an exit is unreachable, a level has a dead end, or a fault
// anywhere the search reaches (a jump up through solid ground, an extra in the
// ground, a view past the level's edge, a goblin posted where the hero starts),
// or, with --wild, on the main way (a hazard shown too late, a tight rise, a
// narrow landing, a trap by a landing unseen at take-off). With --expert
// it also plays each level through the game's own loop, goblins and all, and
// prints what that cost. With --novice it only plays each level as a new
// player would, with seeds 1 to 20, and prints a line a level (with --verbose,
// what threw him off).
#include <SDL/SDL.h>

#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "ExpertPlay.h"
#include "LevelSearch.h"
#include "MapFaults.h"
#include "NovicePlay.h"
#include "Overview.h"
#include "RouteFigures.h"
#include "WayFaults.h"
#include "extras/Extra.h"
#include "level/Level.h"
#include "level/LevelBuild.h"
#include "platform/Clock.h"
#include "player/Player.h"
#include "shell/Controls.h"
#include "shell/Startup.h"
#include "state/GameState.h"

namespace {
const int kDeadEndCellPx = 50;  // dead-end places in one cell are reported once
const int kMaxDeadEndLines = 20;

const char* nameOf(int type) {
  switch (type) {
    case Nut:
      return "nut";
    case Animal:
      return "animal";
    case LevelExit:
      return "exit";
    default:
      return "extra";
  }
}

void printFigures(const RouteFigures& fig) {
  if (!fig.found) return;
  std::printf("  route %.1f s (%d frames), %d px across, %d jumps, narrowest jump margin %d px\n",
              fig.frames * kRouteFrameMs / 1000.0f, fig.frames, fig.acrossPx, fig.jumps,
              fig.narrowestMarginPx);
}

// Prints each dead end once per cell; returns how many places are dead ends.
size_t printDeadEnds(const SearchResult& r, const std::vector<int>& dead) {
  std::set<std::pair<int, int>> cells;
  int lines = 0;
  auto report = [&](std::pair<int, int> at, const char* why) {
    if (!cells.insert({at.first / kDeadEndCellPx, at.second / kDeadEndCellPx}).second) return;
    if (++lines <= kMaxDeadEndLines) std::printf("  dead end at (%d, %d)%s\n", at.first, at.second, why);
  };
  for (int i : dead) report(spriteCorner(r.places[i]), "");
  for (auto at : r.lostAt) report(at, ", falls out of the level");
  if (lines > kMaxDeadEndLines) std::printf("  and %d more dead ends\n", lines - kMaxDeadEndLines);
  return dead.size() + r.lostAt.size();
}

// The expert's play of level n from its start; false when it never reaches the exit.
bool playAsExpert(int n) {
  int lost = 0;
  if (!expertPlaysLevel(n, lost)) return std::printf("  expert: the exit was not reached\n"), false;
  std::printf("  expert: exit reached, %d health lost, %d lives left\n", lost, player.getLives());
  return true;
}

// The novice's tries at level n, one line; with `verbose` a second one says what went wrong.
void playAsNovice(int n, bool verbose) {
  const int kTries = 20;
  int finished = 0, timedOut = 0, fellOut = 0, outOfLives = 0, falls = 0, bites = 0, thorns = 0;
  double seconds = 0.0, healthLost = 0.0;
  std::string endedAt;
  for (unsigned seed = 1; seed <= kTries; ++seed) {
    NoviceRun run = novicePlaysLevel(n, seed);
    if (!run.finished) endedAt += " (" + std::to_string(run.endX) + ", " + std::to_string(run.endY) + ")";
    finished += run.finished;
    timedOut += run.timedOut;
    fellOut += run.fellOut;
    outOfLives += !run.finished && !run.timedOut && !run.fellOut;
    falls += run.falls;
    bites += run.bites;
    thorns += run.thorns;
    healthLost += run.healthLost;
    if (run.finished) seconds += run.ms / 1000.0;
  }
  std::printf("level %d: novice finished %d of %d, mean time %.1f s, mean health lost %.1f\n", n, finished,
              kTries, finished ? seconds / finished : 0.0, healthLost / kTries);
  if (verbose)
    std::printf(
        "  not finished: %d out of time, %d fell out, %d out of lives; thrown off by %d falls, %d bites, "
        "%d thorns\n  unfinished tries ended at%s\n",
        timedOut, fellOut, outOfLives, falls, bites, thorns, endedAt.empty() ? " no place" : endedAt.c_str());
  std::fflush(stdout);
}

bool checkLevel(int n, bool printRoute) {
  levelBuild.waitFor(n);
  SearchResult r = searchLevel(n);
  int nuts = 0, animals = 0, allNuts = 0, allAnimals = 0;
  for (int i : r.reached) {
    nuts += r.targets[i].type == Nut;
    animals += r.targets[i].type == Animal;
  }
  for (const Target& t : r.targets) {
    allNuts += t.type == Nut;
    allAnimals += t.type == Animal;
  }
  std::printf("level %d: exit %s, nuts %d/%d, animals %d/%d\n", n,
              r.exitReachable ? "reachable" : "unreachable", nuts, allNuts, animals, allAnimals);
  RouteFigures fig = measureRoute(n, r);
  printFigures(fig);
  for (const Target& e : r.targets) {
    const int i = e.index;
    bool goal = isGoal(e.type);
    if (goal && !r.reached.count(i))
      std::printf("  cannot reach %s %d at (%d, %d)\n", nameOf(e.type), i, e.x, e.y);
  }
  MapFaults faults = findMapFaults(n, r, fig.moves);
  std::printf("level %d: pop-throughs %d, extras in ground %d, void %d, unfair posts %d\n", n,
              faults.popThroughs, faults.extrasInGround, faults.voidInView, faults.unfairPosts);
  std::printf("  on the way to the exit: pop-throughs %d, void %d\n", faults.popThroughsOnWay,
              faults.voidOnWay);
  WayFaults way;
  if (wildRules) {
    way = findWayFaults(n, r, fig);
    std::printf("level %d: unseen hazards %d, tight rises %d, narrow landings %d, blind traps %d\n", n,
                way.unseenHazards, way.tightRises, way.narrowLandings, way.blindTraps);
  }
  std::vector<int> dead = deadEnds(r);
  size_t deadCount = printDeadEnds(r, dead);
  if (!r.complete) std::printf("  the search stopped after %zu places\n", r.places.size());
  if (printRoute) {
    for (auto [at, margin] : fig.jumpsAt)
      std::printf("  jump from (%d, %d), margin %d px\n", at.first, at.second, margin);
    for (const RouteStep& k : r.exitRoute)
      std::printf("  frame %d %s %s\n", k.frame, SDL_GetKeyName(keyFor(k.action)), k.down ? "down" : "up");
  }
  writeOverview(n, r, dead, fig.path, "levelcheck-" + std::to_string(n) + ".png");
  std::fflush(stdout);
  // Under the classic rules a jump rises through a tile from below, and the view that
  // follows the hero shows past the left end, where the classic table puts a nut and a
  // cage: off the way to the exit those are told, not failed.
  const int failing =
      wildRules ? faults.total() : faults.extrasInGround + faults.popThroughsOnWay + faults.voidOnWay;
  return r.exitReachable && deadCount == 0 && r.complete && failing == 0 && way.total() == 0;
}
}  // namespace

int main(int argc, char** argv) {
  bool printRoute = false, expert = false, novice = false, verbose = false;
  std::vector<int> chosen;
  for (int a = 1; a < argc; ++a) {
    std::string arg = argv[a];
    printRoute = printRoute || arg == "--route";
    wildRules = wildRules || arg == "--wild";
    expert = expert || arg == "--expert";
    novice = novice || arg == "--novice";
    verbose = verbose || arg == "--verbose";
    int n = std::atoi(argv[a]);
    if (arg[0] != '-' && n >= 0 && n < kLevelCount) chosen.push_back(n);
  }
  if (chosen.empty())
    for (int n = 0; n < kLevelCount; ++n) chosen.push_back(n);
  setenv("SDL_VIDEODRIVER", "dummy", 1);
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  // The expert needs the whole game, on a clock of its own; the search only the levels.
  if (expert || novice) {
    gameClock.useFake(1);
    if (startUp() != 0) return 2;
  } else {
    SDL_Init(SDL_INIT_VIDEO);
  }
  if (novice) {
    for (int n : chosen) playAsNovice(n, verbose);
    SDL_Quit();
    return 0;
  }
  bool ok = true;
  for (int n : chosen) {
    const bool checked = checkLevel(n, printRoute);  // the expert plays even a level with faults
    ok = (!expert || playAsExpert(n)) && checked && ok;
  }
  SDL_Quit();
  return ok ? 0 : 1;
}
