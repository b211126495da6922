#include "LevelSearch.h"

#include <map>
#include <queue>

#include "extras/Extra.h"
#include "level/Level.h"
#include "level/LevelBuild.h"

namespace {
const int kMaxNodes = 40000;
const int kPlaceBinPx = 4;       // standing places closer than this count as one
const int kMaxMoveFrames = 500;  // 8 s: any jump or fall has settled by then
const float kSpriteCornerX = 295.0f, kSpriteCornerY = 215.0f;  // px inside the view

struct Node {
  HeroState state;
  int parent;
  Route keys;  // this move's keys, frames counted from the move's start
  int frames;  // how long this move took
};

Route routeTo(const std::vector<Node>& nodes, int id) {
  std::vector<int> chain;
  for (int n = id; n > 0; n = nodes[n].parent) chain.push_back(n);
  Route route;
  int offset = 0;
  for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
    for (RouteStep k : nodes[*it].keys) route.push_back({k.frame + offset, k.action, k.down});
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

std::pair<int, int> placeKey(const HeroState& s) { return {int(s.x) / kPlaceBinPx, int(s.y)}; }
}  // namespace

bool isGoal(int type) { return type == Nut || type == Animal || type == LevelExit; }

bool isDanger(int type) { return type == Hazard || type == DeadlyHazard; }

const std::vector<Move>& searchMoves() {
  static const std::vector<Move> list = [] {
    std::vector<Move> l;
    for (Action dir : {Action::RunRight, Action::RunLeft}) {
      for (int run : {1, 3, 6, 12, 24}) l.push_back({dir, run, false, 0, false});
      for (int run : {0, 6, 16})
        for (int hold : {4, 10, 20, 35, 50, -1}) l.push_back({dir, run, true, hold, false});
    }
    l.push_back({Action::None, 0, true, 0, false});
    l.push_back({Action::None, 0, false, 0, true});
    return l;
  }();
  return list;
}

std::pair<int, int> spriteCorner(const HeroState& s) {
  return {int(s.x + kSpriteCornerX), int(s.y + kSpriteCornerY)};
}

bool inSight(const SDL_Rect& sight, const HeroState& s) {
  auto [x, y] = spriteCorner(s);
  return x >= sight.x && x < sight.x + sight.w && y >= sight.y && y < sight.y + sight.h;
}

// Plays one move from `start` and reports where it ends and what it touched.
Outcome playMove(HeroSim& sim, const HeroState& start, const Move& m, std::vector<HeroState>* frames,
                 bool throughThorns) {
  Outcome o;
  sim.load(start);
  int releaseAt = m.jump ? (m.holdFrames < 0 ? -1 : m.runFrames + m.holdFrames) : m.runFrames;
  bool released = m.dir == Action::None;
  std::vector<int> touching;
  for (int f = 0; f < kMaxMoveFrames; ++f) {
    std::vector<RouteStep> keys;
    if (f == 0 && m.dir != Action::None) keys.push_back({f, m.dir, true});
    if (m.jump && f == m.runFrames)
      keys.push_back({f, Action::Jump, true}), keys.push_back({f, Action::Jump, false});
    if (m.drop && f == 0) keys.push_back({f, Action::Drop, true}), keys.push_back({f, Action::Drop, false});
    bool landedAfterJump = m.jump && releaseAt < 0 && f > m.runFrames + 1 && !sim.save().jum;
    if (!released && (f == releaseAt || landedAfterJump) && f > 0) {
      keys.push_back({f, m.dir, false});
      released = true;
    }
    for (const RouteStep& k : keys) o.keys.push_back(k);
    sim.step(keys);
    if (frames) frames->push_back(sim.save());
    if (sim.lost()) {
      o.lost = true;
      o.end = sim.save();
      return o;
    }
    sim.touched(touching);
    bool inThorns = false;
    for (int i : touching) {
      const Target& t = sim.targets[i];
      inThorns = inThorns || t.type == Hazard;
      if (t.type == Hazard && throughThorns) continue;
      if (isDanger(t.type)) {
        o.thorn = t.type == Hazard;
        return o;
      }
      if (isGoal(t.type)) o.touched.insert(i);
      if (t.type == LevelExit && !o.exit) {
        o.exit = true;
        o.exitFrame = f;
      }
    }
    if (o.exit) break;
    if (released && f > m.runFrames + 1 && sim.standing()) {
      if (inThorns) return o;
      o.frames = f + 1;
      o.end = sim.save();
      o.safe = true;
      return o;
    }
  }
  o.safe = o.exit;
  o.frames = o.exitFrame + 1;
  return o;
}

SearchResult searchLevel(int level, bool untilExit, const HeroState* from, const SDL_Rect* sight) {
  SearchResult result;
  levelBuild.waitFor(level);
  HeroSim sim(levels[level].getCollisionMap(), level);
  result.targets = sim.targets;
  std::vector<Node> nodes;
  HeroState start;
  result.from = from ? *from : levelStartState();
  if (!settleStart(sim, result.from, start, result.startFrames, result.reached)) return result;
  nodes.push_back({start, -1, {}, result.startFrames});
  std::map<std::pair<int, int>, int> seen;
  seen[placeKey(start)] = 0;
  // Places farther right first: the exit is at the right end of every level.
  auto fartherLeft = [&nodes](int a, int b) {
    return nodes[a].state.x != nodes[b].state.x ? nodes[a].state.x < nodes[b].state.x : a > b;
  };
  std::priority_queue<int, std::vector<int>, decltype(fartherLeft)> queue(fartherLeft);
  queue.push(0);
  const std::vector<Move>& list = searchMoves();
  while (!queue.empty() && int(nodes.size()) < kMaxNodes) {
    if (untilExit && result.exitReachable) break;
    int id = queue.top();
    queue.pop();
    const HeroState here = nodes[id].state;
    result.standingPlaces.push_back(spriteCorner(here));
    if (sight && !inSight(*sight, here)) continue;
    for (size_t mi = 0; mi < list.size(); ++mi) {
      Outcome o = playMove(sim, here, list[mi]);
      if (o.lost && !untilExit) {
        result.lostAt.push_back(spriteCorner(o.end));
        result.edges.push_back({id, kLostPlace, 0, int(mi)});
      }
      // Where a hero hurt by thorns ends up is a place too, but no way on.
      if (!o.safe && o.thorn && !untilExit) {
        Outcome hurt = playMove(sim, here, list[mi], nullptr, true);
        if (!hurt.safe || hurt.exit || seen.count(placeKey(hurt.end))) continue;
        seen[placeKey(hurt.end)] = int(nodes.size());
        nodes.push_back({hurt.end, id, hurt.keys, hurt.frames});
        queue.push(int(nodes.size()) - 1);
        continue;
      }
      if (!o.safe) continue;
      result.reached.insert(o.touched.begin(), o.touched.end());
      if (o.exit) {
        if (!untilExit) result.edges.push_back({id, kExitPlace, o.frames, int(mi)});
        if (!result.exitReachable) {
          Route keys;
          for (const RouteStep& k : o.keys)
            if (k.frame <= o.exitFrame) keys.push_back(k);
          nodes.push_back({here, id, keys, o.frames});
          result.exitRoute = routeTo(nodes, int(nodes.size()) - 1);
          nodes.pop_back();
          result.exitReachable = true;
        }
        continue;
      }
      auto key = placeKey(o.end);
      auto found = seen.find(key);
      int to = found != seen.end() ? found->second : int(nodes.size());
      if (!untilExit && to != id) result.edges.push_back({id, to, o.frames, int(mi)});
      if (found != seen.end()) continue;
      seen[key] = to;
      nodes.push_back({o.end, id, o.keys, o.frames});
      queue.push(to);
    }
  }
  result.complete = queue.empty();
  for (const Node& n : nodes) result.places.push_back(n.state);
  // The first node's own frames are the fall at the start.
  if (result.exitReachable) {
    for (RouteStep& k : result.exitRoute) k.frame += result.startFrames;
  }
  return result;
}
