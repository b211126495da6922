#include "MapFaults.h"

#include <cmath>
#include <cstdio>
#include <set>

#include "extras/Extra.h"
#include "extras/LevelExtras.h"
#include "level/Level.h"
#include "player/View.h"
#include "state/GameState.h"
#include "state/Rules.h"

namespace {
const int kViewW = 640, kViewH = 480;
const int kFootX = 320, kFootY = 258;  // the foot probe from the view corner, px
const int kExtraPx = 50;               // a sprite's side, but the exit's
const int kExitW = 150, kExitH = 145;
const int kGroundShareDivisor = 5;   // more than a fifth inside the ground is a fault
const float kUnfairPostPx = 400.0f;  // a post this close to where the hero (re)starts
const int kFaultCellPx = 50;         // faults of moves from places in one cell are named once

bool solid(const Level& level, int x, int y) {
  const CollisionMap& c = level.getCollisionMap();
  return x >= 0 && y >= 0 && x < c.width() && y < c.height() && level.isSolid(x, y);
}

// True when the hero rose from `a` to `b` through the underside of solid ground:
// a solid pixel with air below it lies in the foot's column between the two.
bool risesThrough(const Level& level, const HeroState& a, const HeroState& b) {
  if (b.y >= a.y) return false;
  const int x = int(b.x) + kFootX;
  for (int y = int(b.y) + kFootY; y < int(a.y) + kFootY; ++y)
    if (solid(level, x, y) && !solid(level, x, y + 1)) return true;
  return false;
}

// The level area shown is the game's own view (the wild one below the status band and
// held inside the level). The lead never shows more past the left or right edge than
// the hero's own corner does: with no lead the view shows the most, and that is judged.
bool showsVoid(const Level& level, const HeroState& s) {
  const CollisionMap& c = level.getCollisionMap();
  const ViewCorner v = viewCorner(s.x, s.y, 0.0f);
  const float left = s.x + v.left, top = s.y + v.top + float(rules().statusBandPx);
  const int shownH = kViewH - rules().statusBandPx;
  return left < 0 || top < 0 || int(left) + kViewW > c.width() || int(top) + shownH > c.height();
}

const char* nameOf(int type) {
  switch (type) {
    case Hazard:
      return "thorn";
    case DeadlyHazard:
      return "trap";
    case Nut:
      return "nut";
    case Animal:
      return "cage";
    default:
      return "exit";
  }
}

int extrasInGround(const Level& level, const SearchResult& r) {
  int faults = 0;
  for (const Target& t : r.targets) {
    if (t.type != Hazard && t.type != DeadlyHazard && t.type != Nut && t.type != Animal &&
        t.type != LevelExit)
      continue;
    const int w = t.type == LevelExit ? kExitW : kExtraPx, h = t.type == LevelExit ? kExitH : kExtraPx;
    int inside = 0;
    for (int y = t.y; y < t.y + h; ++y)
      for (int x = t.x; x < t.x + w; ++x) inside += solid(level, x, y);
    if (inside * kGroundShareDivisor <= w * h) continue;
    ++faults;
    std::printf("  %s %d in the ground at (%d, %d)\n", nameOf(t.type), t.index, t.x, t.y);
  }
  return faults;
}

int unfairPosts(int level, const SearchResult& r) {
  const std::vector<ExtraSpot>* posts = wildRules ? levelExtras.postsOf(level) : nullptr;
  if (!posts || r.places.empty()) return 0;
  std::vector<std::pair<int, int>> starts = {spriteCorner(r.places[0])};
  for (const Target& t : r.targets)
    if (t.type == Animal) starts.push_back({t.x, t.y});
  int faults = 0;
  for (const ExtraSpot& post : *posts) {
    for (auto [x, y] : starts) {
      if (std::hypot(float(post.x - x), float(post.y - y)) >= kUnfairPostPx) continue;
      ++faults;
      std::printf("  goblin posted at (%d, %d), near the hero's start at (%d, %d)\n", post.x, post.y, x, y);
      break;
    }
  }
  return faults;
}
}  // namespace

MapFaults findMapFaults(int level, const SearchResult& r, const std::vector<int>& wayMoves) {
  MapFaults faults;
  const Level& map = levels[level];
  faults.extrasInGround = extrasInGround(map, r);
  faults.unfairPosts = unfairPosts(level, r);
  if (r.places.empty()) return faults;
  HeroSim sim(map.getCollisionMap(), level);
  std::set<std::pair<int, int>> popCells, voidCells;
  // A fault is named once for each cell of the places its moves start from.
  auto judge = [&](const std::vector<HeroState>& frames, bool onWay) {
    bool pops = false;
    const HeroState* shows = nullptr;
    for (size_t f = 0; f < frames.size(); ++f) {
      pops = pops || (f > 0 && risesThrough(map, frames[f - 1], frames[f]));
      if (!shows && showsVoid(map, frames[f])) shows = &frames[f];
    }
    faults.popThroughsOnWay += onWay && pops;
    faults.voidOnWay += onWay && shows;
    auto [x, y] = spriteCorner(frames.front());
    const std::pair<int, int> cell = {x / kFaultCellPx, y / kFaultCellPx};
    if (pops && popCells.insert(cell).second) std::printf("  pop-through on a move from (%d, %d)\n", x, y);
    if (shows && voidCells.insert(cell).second) {
      auto [vx, vy] = spriteCorner(*shows);
      std::printf("  void in view on a move from (%d, %d), with the hero at (%d, %d)\n", x, y, vx, vy);
    }
  };
  // The fall at the level start, then every move kept, frame by frame. A move
  // that leaves the level is a dead end of its own and not judged here.
  std::vector<HeroState> frames;
  sim.load(r.from);
  frames.push_back(sim.save());
  for (int f = 0; f < r.startFrames; ++f) sim.step({}), frames.push_back(sim.save());
  judge(frames, true);
  const std::set<int> way(wayMoves.begin(), wayMoves.end());
  for (size_t i = 0; i < r.edges.size(); ++i) {
    const Edge& e = r.edges[i];
    if (e.to == kLostPlace) continue;
    frames.assign(1, r.places[e.from]);
    playMove(sim, r.places[e.from], searchMoves()[e.move], &frames);
    judge(frames, way.count(int(i)) > 0);
  }
  faults.popThroughs = int(popCells.size());
  faults.voidInView = int(voidCells.size());
  return faults;
}
