#include "RouteFigures.h"

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <queue>

#include "extras/Extra.h"
#include "level/Level.h"

namespace {
const int kJumpCostFrames = 30;  // a jump weighs as much as half a second of running
const int kMaxShiftPx = 60;      // a take-off window is looked for this far each way
const int kHazardOnFloorPx = 8;  // a hazard this close above a floor lies on it
const int kExitHalfWidthPx = 75;

// Probe offsets of the hero's collision points from the view corner, px.
const int kFootX = 320, kFootY = 258, kLeftX = 305, kRightX = 329, kSideY = 240;

// True when a hero at view y `y` can walk from view x `a` to `b` on one floor:
// ground under every step, no wall, no hazard lying on it.
bool sameFloor(const Level& level, const std::vector<Target>& targets, int a, int b, int y) {
  int lo = std::min(a, b), hi = std::max(a, b);
  for (int x = lo; x <= hi; ++x) {
    if (!level.isSolid(x + kFootX, y + kFootY)) return false;
    if (level.isSolid(x + kLeftX, y + kSideY) != level.isSolid(x + kRightX, y + kSideY)) return false;
  }
  for (const Target& t : targets) {
    if (!isDanger(t.type) || std::abs(t.y + 50 - (y + kFootY)) > kHazardOnFloorPx) continue;
    if (t.x + 50 > lo + kLeftX && t.x < hi + kRightX) return false;
  }
  return true;
}

// How many take-off points around `from`, one px apart, let move `m` land on
// the floor of `to` (or reach the exit) unhurt.
int takeOffWindow(HeroSim& sim, const Level& level, const SearchResult& r, const HeroState& from,
                  const Move& m, const Edge& e) {
  auto lands = [&](int shift) {
    HeroState s = from;
    s.x += float(shift);
    if (!sameFloor(level, r.targets, int(from.x), int(s.x), int(from.y))) return false;
    Outcome o = playMove(sim, s, m);
    if (e.to == kExitPlace) return o.exit;
    const HeroState& goal = r.places[e.to];
    return o.safe && !o.exit && o.end.y == goal.y &&
           sameFloor(level, r.targets, int(o.end.x), int(goal.x), int(goal.y));
  };
  if (!lands(0)) return 0;
  int width = 1;
  for (int dir : {-1, 1})
    for (int d = 1; d <= kMaxShiftPx && lands(dir * d); ++d) ++width;
  return width;
}

// The widest take-off window of any jump from the edge's start to its end.
int jumpMargin(HeroSim& sim, const Level& level, const SearchResult& r, const Edge& e) {
  const HeroState& from = r.places[e.from];
  int best = 0;
  for (const Move& m : searchMoves()) {
    if (!m.jump) continue;
    best = std::max(best, takeOffWindow(sim, level, r, from, m, e));
    if (best > 2 * kMaxShiftPx) break;
  }
  return best;
}

int exitCentreX(const SearchResult& r) {
  for (const Target& t : r.targets)
    if (t.type == LevelExit) return t.x + kExitHalfWidthPx;
  return 0;
}

int edgeCost(const Edge& e) { return e.frames + (searchMoves()[e.move].jump ? kJumpCostFrames : 0); }
}  // namespace

Ways cheapestWays(const SearchResult& r, bool toExit, int from, const SDL_Rect* sight) {
  const int n = int(r.places.size()), exitNode = n;
  Ways w{std::vector<long>(n + 1, -1), std::vector<int>(n + 1, -1)};
  // Searched from the start along the moves, or from the exit against them.
  std::vector<std::vector<int>> links(n + 1);
  for (size_t i = 0; i < r.edges.size(); ++i) {
    const Edge& e = r.edges[i];
    if (e.to == kLostPlace) continue;
    links[toExit ? (e.to == kExitPlace ? exitNode : e.to) : e.from].push_back(int(i));
  }
  using Entry = std::pair<long, int>;
  std::priority_queue<Entry, std::vector<Entry>, std::greater<Entry>> queue;
  const int first = toExit ? exitNode : from;
  w.cost[first] = 0;
  queue.push({0, first});
  while (!queue.empty()) {
    auto [c, node] = queue.top();
    queue.pop();
    if (c != w.cost[node] || (!toExit && node == exitNode)) continue;
    if (sight && node != first && !inSight(*sight, r.places[node])) continue;
    for (int i : links[node]) {
      const Edge& e = r.edges[i];
      int to = toExit ? e.from : (e.to == kExitPlace ? exitNode : e.to);
      long next = c + edgeCost(e);
      if (w.cost[to] >= 0 && w.cost[to] <= next) continue;
      w.cost[to] = next;
      w.via[to] = int(i);
      queue.push({next, to});
    }
  }
  return w;
}

RouteFigures measureRoute(int level, const SearchResult& r) {
  RouteFigures fig;
  const int n = int(r.places.size()), exitNode = n;
  if (n == 0) return fig;
  const Ways ways = cheapestWays(r);
  const std::vector<long>& cost = ways.cost;
  const std::vector<int>& via = ways.via;
  if (cost[exitNode] < 0) return fig;
  fig.found = true;
  fig.frames = r.startFrames;
  HeroSim sim(levels[level].getCollisionMap(), level);
  for (int node = exitNode; node != 0;) {
    const Edge& e = r.edges[via[node]];
    fig.frames += e.frames;
    int toX = e.to == kExitPlace ? exitCentreX(r) - kFootX : int(r.places[e.to].x);
    fig.acrossPx += std::abs(toX - int(r.places[e.from].x));
    if (searchMoves()[e.move].jump) {
      ++fig.jumps;
      int margin = jumpMargin(sim, levels[level], r, e);
      fig.jumpsAt.insert(fig.jumpsAt.begin(), {spriteCorner(r.places[e.from]), margin});
      if (fig.narrowestMarginPx < 0 || margin < fig.narrowestMarginPx) fig.narrowestMarginPx = margin;
    }
    fig.moves.insert(fig.moves.begin(), via[node]);
    node = e.from;
    fig.path.insert(fig.path.begin(), node);
  }
  return fig;
}

std::vector<int> deadEnds(const SearchResult& r) {
  const int n = int(r.places.size());
  std::vector<std::vector<int>> into(n);
  std::vector<bool> canExit(n, false);
  std::vector<int> todo;
  for (const Edge& e : r.edges) {
    if (e.to == kExitPlace && !canExit[e.from]) {
      canExit[e.from] = true;
      todo.push_back(e.from);
    } else if (e.to >= 0) {
      into[e.to].push_back(e.from);
    }
  }
  while (!todo.empty()) {
    int node = todo.back();
    todo.pop_back();
    for (int from : into[node])
      if (!canExit[from]) canExit[from] = true, todo.push_back(from);
  }
  std::vector<int> dead;
  for (int i = 0; i < n; ++i)
    if (!canExit[i]) dead.push_back(i);
  return dead;
}
