#include "LevelSearch.h"

#include <queue>
#include <map>

#include "extras/Extra.h"
#include "level/Level.h"

namespace {
const int kMaxNodes = 40000;
const int kPlaceBinPx = 4;  // standing places closer than this count as one
const int kMaxMoveFrames = 500;  // 5 s: any jump or fall has settled by then
const float kSpriteCornerX = 295.0f, kSpriteCornerY = 215.0f;  // px inside the view

// One move tried from every standing place.
struct Move {
  SDLKey dir;      // SDLK_UNKNOWN for none
  int runFrames;   // frames held before the jump (or in total for a walk)
  bool jump;
  int holdFrames;  // frames the direction stays held after the jump; -1 until landing
  bool drop;
};

std::vector<Move> moves() {
  std::vector<Move> list;
  for (SDLKey dir : {SDLK_RIGHT, SDLK_LEFT}) {
    for (int run : {1, 3, 6, 12, 24}) list.push_back({dir, run, false, 0, false});
    for (int run : {0, 6, 16})
      for (int hold : {4, 10, 20, 35, 50, -1}) list.push_back({dir, run, true, hold, false});
  }
  list.push_back({SDLK_UNKNOWN, 0, true, 0, false});
  list.push_back({SDLK_UNKNOWN, 0, false, 0, true});
  return list;
}

struct Node {
  HeroState state;
  int parent;
  Route keys;  // this move's keys, frames counted from the move's start
  int frames;  // how long this move took
};

struct Outcome {
  bool safe = false;
  bool exit = false;
  int exitFrame = 0;
  HeroState end = {};
  int frames = 0;
  Route keys;
  std::set<int> touched;
};

bool isGoal(int type) { return type == Nut || type == Animal || type == LevelExit; }

bool isDanger(int type) { return type == Hazard || type == DeadlyHazard; }

// Plays one move from `start` and reports where it ends and what it touched.
Outcome play(HeroSim& sim, const HeroState& start, const Move& m) {
  Outcome o;
  sim.load(start);
  int releaseAt = m.jump ? (m.holdFrames < 0 ? -1 : m.runFrames + m.holdFrames) : m.runFrames;
  bool released = m.dir == SDLK_UNKNOWN;
  std::vector<int> touching;
  for (int f = 0; f < kMaxMoveFrames; ++f) {
    std::vector<RouteStep> keys;
    if (f == 0 && m.dir != SDLK_UNKNOWN) keys.push_back({f, m.dir, true});
    if (m.jump && f == m.runFrames) keys.push_back({f, SDLK_UP, true}), keys.push_back({f, SDLK_UP, false});
    if (m.drop && f == 0) keys.push_back({f, SDLK_DOWN, true}), keys.push_back({f, SDLK_DOWN, false});
    bool landedAfterJump = m.jump && releaseAt < 0 && f > m.runFrames + 1 && !sim.save().jum;
    if (!released && (f == releaseAt || landedAfterJump) && f > 0) {
      keys.push_back({f, m.dir, false});
      released = true;
    }
    for (const RouteStep& k : keys) o.keys.push_back(k);
    sim.step(keys);
    if (sim.lost()) return o;
    sim.touched(touching);
    for (int i : touching) {
      const Target& t = sim.targets[i];
      if (isDanger(t.type)) return o;
      if (isGoal(t.type)) o.touched.insert(i);
      if (t.type == LevelExit && !o.exit) {
        o.exit = true;
        o.exitFrame = f;
      }
    }
    if (o.exit) break;
    if (released && f > m.runFrames + 1 && sim.standing()) {
      o.frames = f + 1;
      o.end = sim.save();
      o.safe = true;
      return o;
    }
  }
  o.safe = o.exit;
  return o;
}

size_t countGoals(const HeroSim& sim) {
  size_t n = 0;
  for (const Target& t : sim.targets) n += isGoal(t.type);
  return n;
}

Route routeTo(const std::vector<Node>& nodes, int id) {
  std::vector<int> chain;
  for (int n = id; n > 0; n = nodes[n].parent) chain.push_back(n);
  Route route;
  int offset = 0;
  for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
    for (RouteStep k : nodes[*it].keys) route.push_back({k.frame + offset, k.key, k.down});
    offset += nodes[*it].frames;
  }
  return route;
}

// The start: the hero falls from the level start until it stands.
bool settleStart(HeroSim& sim, const HeroState& from, HeroState& state, int& frames, std::set<int>& touched) {
  sim.load(from);
  std::vector<int> touching;
  for (frames = 1; frames < kMaxMoveFrames; ++frames) {
    sim.step({});
    if (sim.lost()) return false;
    sim.touched(touching);
    for (int i : touching) {
      if (isDanger(sim.targets[i].type)) return false;
      if (isGoal(sim.targets[i].type)) touched.insert(i);
    }
    if (sim.standing()) {
      state = sim.save();
      return true;
    }
  }
  return false;
}
}  // namespace

SearchResult searchLevel(int level, bool untilExit, const HeroState* from) {
  SearchResult result;
  HeroSim sim(levels[level].getCollisionImage());
  result.targets = sim.targets;
  std::vector<Node> nodes;
  HeroState start;
  int startFrames = 0;
  if (!settleStart(sim, from ? *from : levelStartState(), start, startFrames, result.reached)) return result;
  nodes.push_back({start, -1, {}, startFrames});
  std::map<std::pair<int, int>, int> seen;
  seen[{int(start.x) / kPlaceBinPx, int(start.y)}] = 0;
  // Places farther right first: the exit is at the right end of every level,
  // and the full search visits every place anyway.
  auto fartherLeft = [&nodes](int a, int b) {
    return nodes[a].state.x != nodes[b].state.x ? nodes[a].state.x < nodes[b].state.x : a > b;
  };
  std::priority_queue<int, std::vector<int>, decltype(fartherLeft)> queue(fartherLeft);
  queue.push(0);
  const std::vector<Move> list = moves();
  const size_t goals = countGoals(sim);
  while (!queue.empty() && int(nodes.size()) < kMaxNodes) {
    // Everything worth reaching is reached: the rest of the level adds nothing.
    if (result.exitReachable && (untilExit || result.reached.size() >= goals)) break;
    int id = queue.top();
    queue.pop();
    const HeroState from = nodes[id].state;
    result.standingPlaces.push_back({int(from.x + kSpriteCornerX), int(from.y + kSpriteCornerY)});
    for (const Move& m : list) {
      Outcome o = play(sim, from, m);
      if (!o.safe) continue;
      result.reached.insert(o.touched.begin(), o.touched.end());
      if (o.exit) {
        if (!result.exitReachable) {
          Route keys;
          for (const RouteStep& k : o.keys)
            if (k.frame <= o.exitFrame) keys.push_back(k);
          nodes.push_back({from, id, keys, o.exitFrame + 1});
          result.exitRoute = routeTo(nodes, int(nodes.size()) - 1);
          nodes.pop_back();
          result.exitReachable = true;
        }
        continue;
      }
      auto key = std::make_pair(int(o.end.x) / kPlaceBinPx, int(o.end.y));
      if (seen.count(key)) continue;
      seen[key] = int(nodes.size());
      nodes.push_back({o.end, id, o.keys, o.frames});
      queue.push(int(nodes.size()) - 1);
    }
  }
  // The first node's own frames are the fall at the start.
  if (result.exitReachable) {
    for (RouteStep& k : result.exitRoute) k.frame += startFrames;
  }
  return result;
}
