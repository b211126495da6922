#include "NovicePlay.h"

#include <SDL/SDL.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <queue>
#include <utility>

#include "ExpertPlay.h"
#include "LevelSearch.h"
#include "NoviceSwing.h"
#include "RouteFigures.h"
#include "extras/Extra.h"
#include "level/Level.h"
#include "platform/Clock.h"
#include "platform/Layout.h"
#include "player/Player.h"
#include "player/View.h"
#include "shell/Commands.h"
#include "shell/GameFlow.h"
#include "shell/MainLoop.h"
#include "state/Rules.h"

namespace {
const uint32_t kFrameMs = static_cast<uint32_t>(kRouteFrameMs);
const int kViewW = 640, kViewH = 480, kHeroPx = 50;  // the screen, px; the play shows below the band
const int kCellPx = 10;                              // what he has seen is kept in cells this wide
const int kCellsX = kLevelWidth / kCellPx, kCellsY = kLevelHeight / kCellPx;
const int kFootX = 320, kFootY = 258;   // the ground under a hero, px from his view corner
const int kExitW = 150, kExitH = 145;   // px, the gate
const int kSameFloorPx = 8;             // a landing farther below the plan's lowest floor is a fall
const int kMatchPx = 40;                // a place stands for the expert's place this near on its floor
const int kOnPlacePx = 4;               // a hero this near the expert's place stands on it
const float kBeenPx = 100.0f;           // ground this near on his floor he counts as explored
const int kLeapFrames = 40;             // a leap with no plan holds the run this long
const int kJumpDreadFrames = 60;        // a jump weighs with him as a second of running
const long kExploring = 1000000;        // a way to the exit he has seen beats any ground to explore
const double kNearerFramesPerPx = 0.3;  // running he would spend to reach ground a px nearer the exit

// The moves a player can make out between places he sees: the expert's places and
// moves from the level start (never his way left to the exit), each move listed at
// the place it reaches, the exit last.
struct Knowledge {
  SearchResult found;
  std::multimap<int, int> byFloor;         // view y to place index
  std::vector<std::vector<int>> arriving;  // edge indices by the place they reach
  std::vector<int> footCell;               // the cell of the ground under each place
  double exitX = 0.0, exitY = 0.0;         // the gate's middle, level px
};

int cellOf(double x, double y) {
  const int cx = std::clamp(int(x) / kCellPx, 0, kCellsX - 1),
            cy = std::clamp(int(y) / kCellPx, 0, kCellsY - 1);
  return cy * kCellsX + cx;
}

const Knowledge& knowledgeOf(int level) {
  static std::map<std::pair<int, bool>, Knowledge> known;
  Knowledge& k = known[{level, wildRules}];
  if (!k.found.places.empty()) return k;
  thinkAhead(level, [&](const HeroState&) { k.found = searchLevel(level); });
  const int n = int(k.found.places.size());
  k.arriving.resize(size_t(n) + 1);
  for (size_t i = 0; i < k.found.edges.size(); ++i) {
    const int to = k.found.edges[i].to;
    if (to != kLostPlace) k.arriving[to == kExitPlace ? size_t(n) : size_t(to)].push_back(int(i));
  }
  for (int i = 0; i < n; ++i) {
    const HeroState& p = k.found.places[size_t(i)];
    k.byFloor.insert({int(p.y), i});
    k.footCell.push_back(cellOf(p.x + kFootX, p.y + kFootY));
  }
  for (const Target& t : k.found.targets)
    if (t.type == LevelExit) k.exitX = t.x + kExitW / 2.0, k.exitY = t.y + kExitH / 2.0;
  return k;
}

// What one try has shown him: the ground the view passed over, the places he stood
// on, and whether the gate has been in view.
struct Memory {
  std::vector<bool> seen = std::vector<bool>(size_t(kCellsX) * kCellsY);
  std::vector<bool> stoodOn;
  bool exitSeen = false;
};

// The play area the view shows now, level px.
SDL_Rect viewNow() {
  const int band = rules().statusBandPx;
  return {Sint16(view.left()), Sint16(view.top() + float(band)), Uint16(kViewW), Uint16(kViewH - band)};
}

void lookAround(const Knowledge& k, Memory& m) {
  const SDL_Rect v = viewNow();
  for (int y = std::max(0, v.y / kCellPx); y <= std::min(kCellsY - 1, (v.y + v.h - 1) / kCellPx); ++y)
    for (int x = std::max(0, v.x / kCellPx); x <= std::min(kCellsX - 1, (v.x + v.w - 1) / kCellPx); ++x)
      m.seen[size_t(y) * kCellsX + size_t(x)] = true;
  m.exitSeen = m.exitSeen || (k.exitX + kExitW / 2.0 > v.x && k.exitX - kExitW / 2.0 < v.x + v.w &&
                              k.exitY + kExitH / 2.0 > v.y && k.exitY - kExitH / 2.0 < v.y + v.h);
}

// The expert's place nearest a hero at view corner (x, y) on his floor, no farther than `reachPx`; -1 for
// none.
int nearestPlace(const Knowledge& k, float x, float y, float reachPx) {
  int best = -1;
  for (auto it = k.byFloor.lower_bound(int(y) - kSameFloorPx);
       it != k.byFloor.end() && it->first <= int(y) + kSameFloorPx; ++it) {
    const float dx = std::abs(k.found.places[size_t(it->second)].x - x);
    if (dx <= reachPx) reachPx = dx, best = it->second;
  }
  return best;
}

// Marks the places near him on his floor as ground he has been on.
void standOn(const Knowledge& k, Memory& m) {
  for (auto it = k.byFloor.lower_bound(int(player.y) - kSameFloorPx);
       it != k.byFloor.end() && it->first <= int(player.y) + kSameFloorPx; ++it)
    if (std::abs(k.found.places[size_t(it->second)].x - player.x) <= kBeenPx)
      m.stoodOn[size_t(it->second)] = true;
}

long dreadOf(const Edge& e) { return e.frames + (searchMoves()[size_t(e.move)].jump ? kJumpDreadFrames : 0); }

// What each place is worth to him, the less the better (-1: he sees no way on from
// it), and the move he would leave it by: the exit once he has seen it, or else the
// ground he has not stood on, the nearer the exit's way (the arrow) the better; the
// way there only over ground he has seen.
struct Worth {
  std::vector<long> cost;
  std::vector<int> via;
};

Worth worthOf(const Knowledge& k, const Memory& m) {
  const size_t n = k.found.places.size();
  Worth w{std::vector<long>(n + 1, -1), std::vector<int>(n + 1, -1)};
  using Entry = std::pair<long, size_t>;
  std::priority_queue<Entry, std::vector<Entry>, std::greater<Entry>> queue;
  if (m.exitSeen) queue.push({w.cost[n] = 0, n});
  for (size_t i = 0; i < n; ++i) {
    if (!m.seen[size_t(k.footCell[i])] || m.stoodOn[i]) continue;
    const HeroState& p = k.found.places[i];
    const double far = std::hypot(p.x + kFootX - k.exitX, p.y + kFootY - k.exitY);
    queue.push({w.cost[i] = kExploring + long(kNearerFramesPerPx * far), i});
  }
  while (!queue.empty()) {
    auto [c, node] = queue.top();
    queue.pop();
    if (c != w.cost[node]) continue;
    for (int i : k.arriving[node]) {
      const Edge& e = k.found.edges[size_t(i)];
      const size_t from = size_t(e.from);
      if (!m.seen[size_t(k.footCell[from])]) continue;
      const long next = c + dreadOf(e);
      if (w.cost[from] >= 0 && w.cost[from] <= next) continue;
      w.cost[from] = next;
      w.via[from] = i;
      queue.push({next, from});
    }
  }
  return w;
}

struct Plan {
  Route keys;
  float lowestY = 0.0f;  // the lowest floor on the way, view y
};

// The keys of `chain` (edges of `r`, in order), frames counted from the plan's start,
// `startFrames` before the first move.
Plan keysOf(int level, const SearchResult& r, const std::vector<int>& chain, int startFrames) {
  Plan plan;
  if (chain.empty()) return plan;
  plan.lowestY = r.places[size_t(r.edges[size_t(chain[0])].from)].y;
  HeroSim sim(levels[level].getCollisionMap(), level);
  int offset = startFrames;
  for (int i : chain) {
    const Edge& e = r.edges[size_t(i)];
    Outcome o = playMove(sim, r.places[size_t(e.from)], searchMoves()[size_t(e.move)]);
    for (const RouteStep& key : o.keys)
      if (e.to != kExitPlace || key.frame <= o.exitFrame)
        plan.keys.push_back({key.frame + offset, key.action, key.down});
    if (e.to >= 0) plan.lowestY = std::max(plan.lowestY, r.places[size_t(e.to)].y);
    offset += e.frames;
  }
  return plan;
}

// The moves from the expert's place `at` toward what he wants most, while each starts
// on screen.
std::vector<int> chainFrom(const Knowledge& k, const Worth& w, int at, const SDL_Rect& sight) {
  std::vector<int> chain;
  for (int node = at;
       node >= 0 && w.via[size_t(node)] >= 0 && inSight(sight, k.found.places[size_t(node)]);) {
    chain.push_back(w.via[size_t(node)]);
    node = k.found.edges[size_t(chain.back())].to;
  }
  return chain;
}

// His way on from where he is. Standing where the expert has stood, he takes the
// expert's moves; elsewhere he looks over the screen for himself, and picks the place
// on it from which what he wants is cheapest. Empty when he sees no way on.
Plan planInSight(int level, const Knowledge& known, const Memory& memory) {
  const Worth worth = worthOf(known, memory);
  Plan plan;
  thinkAhead(level, [&](const HeroState& here) {
    const SDL_Rect v = viewNow();
    const SDL_Rect sight = {v.x, v.y, Uint16(v.w - kHeroPx), Uint16(v.h - kHeroPx)};
    const bool standing = !here.jum && here.speedx == 0.0f;
    const int at = standing ? nearestPlace(known, here.x, here.y, kOnPlacePx) : -1;
    if (at >= 0) {
      plan = keysOf(level, known.found, chainFrom(known, worth, at, sight), 0);
      return;
    }
    SearchResult r = searchLevel(level, false, &here, &sight);
    if (r.places.empty()) return;
    const Ways ways = cheapestWays(r, false, 0, &sight);
    const size_t exitNode = r.places.size();
    int best = -1;
    long bestCost = -1;
    auto consider = [&](int node, long worthThere) {
      if (ways.cost[size_t(node)] < 0 || worthThere < 0) return;
      const long c = ways.cost[size_t(node)] + worthThere;
      if (bestCost < 0 || c < bestCost) best = node, bestCost = c;
    };
    if (memory.exitSeen) consider(int(exitNode), 0);
    for (size_t i = 1; i < exitNode; ++i) {
      const int q = nearestPlace(known, r.places[i].x, r.places[i].y, kMatchPx);
      if (q >= 0) consider(int(i), worth.cost[size_t(q)]);
    }
    if (best < 0) return;
    std::vector<int> chain;
    for (int node = best; node != 0; node = r.edges[size_t(ways.via[size_t(node)])].from)
      chain.insert(chain.begin(), ways.via[size_t(node)]);
    plan = keysOf(level, r, chain, r.startFrames);
  });
  return plan;
}

// With no way on in sight (in thorns, or on ground he has all explored) he leaps
// toward the nearest ground he knows a way on from, or the exit's arrow when he
// knows none; the other way when the last such leap left him here.
Plan leapBlind(const Knowledge& k, const Memory& m, float& lastLeapX) {
  const Worth worth = worthOf(k, m);
  double aimX = k.exitX, nearest = -1.0;
  for (size_t i = 0; i < k.found.places.size(); ++i) {
    const HeroState& p = k.found.places[i];
    const double far = std::abs(p.x - player.x) + std::abs(p.y - player.y);
    if (worth.cost[i] >= 0 && std::abs(p.x - player.x) > kBeenPx / 2.0f && (nearest < 0.0 || far < nearest))
      nearest = far, aimX = p.x + kHeroScreenX;
  }
  bool right = aimX > player.x + kHeroScreenX;
  if (std::abs(player.x - lastLeapX) < kBeenPx / 10.0f) right = !right;
  lastLeapX = player.x;
  const Action run = right ? Action::RunRight : Action::RunLeft;
  Plan plan;
  plan.keys = {{0, run, true}, {0, Action::Jump, true}, {0, Action::Jump, false}, {kLeapFrames, run, false}};
  plan.lowestY = kLostBelowY;  // he expects no floor
  return plan;
}
}  // namespace

NoviceHands::NoviceHands(unsigned seed) : random(seed) {}

void NoviceHands::follow(const Route& plan, uint32_t startMs) {
  due.clear();
  next = 0;
  // Where he means each key: a jump with a run key held, and the end of that run,
  // off by his misjudged take-off.
  std::vector<uint32_t> aim;
  for (const RouteStep& k : plan) aim.push_back(startMs + uint32_t(k.frame) * kFrameMs);
  std::uniform_int_distribution<int> misjudged(-kNoviceTakeOffSlackPx, kNoviceTakeOffSlackPx);
  for (size_t i = 0; i < plan.size(); ++i) {
    if (plan[i].action != Action::Jump || !plan[i].down) continue;
    size_t runAt = i + 1;  // the press of the run key held at the take-off, if any
    for (size_t j = 0; j <= i; ++j)
      if (plan[j].action == Action::RunLeft || plan[j].action == Action::RunRight)
        runAt = plan[j].down ? j : i + 1;
    if (runAt > i) continue;
    const int shift = int(std::lround(misjudged(random) / kNoviceRunPxPerMs));
    // Taking off before the run began leaves straight up and flies that much shorter;
    // the run is still held as long in the air.
    const int runShift = std::max(shift, int(aim[runAt]) - int(aim[i]));
    // A release moves with it, but not past the key's next press.
    auto shiftNext = [&](Action a, int by) {
      auto up = std::find_if(plan.begin() + long(i) + 1, plan.end(),
                             [&](const RouteStep& k) { return k.action == a && !k.down; });
      if (up == plan.end()) return;
      auto again = std::find_if(up, plan.end(), [&](const RouteStep& k) { return k.action == a && k.down; });
      const size_t j = size_t(up - plan.begin());
      if (again != plan.end()) by = std::min(by, int(aim[size_t(again - plan.begin())]) - int(aim[j]));
      aim[j] = uint32_t(int(aim[j]) + by);
    };
    aim[i] = uint32_t(int(aim[i]) + shift);
    shiftNext(Action::Jump, shift);
    shiftNext(plan[runAt].action, runShift);
  }
  std::uniform_int_distribution<int> late(kNoviceLateMinMs, kNoviceLateMaxMs);
  std::map<Action, uint32_t> letGoAt;  // a key is pressed again only after it was let go
  for (size_t i = 0; i < plan.size(); ++i) {
    if (!plan[i].down) continue;
    const uint32_t pressAt = aim[i];
    // Still as late as any key: the last release was due no later than this press.
    const int pressLate = std::max(late(random), int(int64_t(letGoAt[plan[i].action]) - int64_t(pressAt)));
    const uint32_t pressPlanned = startMs + uint32_t(plan[i].frame) * kFrameMs;
    due.push_back({plan[i].action, true, pressPlanned, pressAt, pressAt + uint32_t(pressLate), plans});
    auto up = std::find_if(plan.begin() + long(i) + 1, plan.end(),
                           [&](const RouteStep& k) { return k.action == plan[i].action && !k.down; });
    if (up == plan.end()) continue;
    const uint32_t releaseAt = aim[size_t(up - plan.begin())];
    // As late as any key, the hold off by no more than the slack, and never let go before the press.
    const int holdMs = int(releaseAt - pressAt);
    const int lo = std::max({kNoviceLateMinMs, pressLate - kNoviceHoldSlackMs, pressLate - holdMs});
    const int hi = std::max(lo, std::min(kNoviceLateMaxMs, pressLate + kNoviceHoldSlackMs));
    const int releaseLate = std::uniform_int_distribution<int>(lo, hi)(random);
    letGoAt[plan[i].action] = releaseAt + uint32_t(releaseLate);
    due.push_back({plan[i].action, false, startMs + uint32_t(up->frame) * kFrameMs, releaseAt,
                   releaseAt + uint32_t(releaseLate), plans});
  }
  // A tap's press and release may fall in one ms: the press was queued first.
  std::stable_sort(due.begin(), due.end(),
                   [](const HandKey& a, const HandKey& b) { return a.atMs < b.atMs; });
  ++plans;
}

void NoviceHands::pass() {
  playCommandsNow();  // the swing and the trade asked for this pass
  const uint32_t end = nowMs() + kFrameMs;
  for (; next < due.size() && due[next].atMs < end; ++next) {
    HandKey key = due[next];
    if (key.atMs > nowMs()) gameClock.advance(key.atMs - nowMs());
    key.atMs = nowMs();
    commands.add({key.action, key.down});
    playCommandsNow();
    played.push_back(key);
  }
  gameClock.advance(end - nowMs());
  runScreenPass(measureFrame());
}

NoviceRun novicePlaysLevel(int level, unsigned seed, std::vector<HandKey>* played) {
  const Knowledge& known = knowledgeOf(level);
  startAsNewHero(level, seed);
  NoviceHands hands(seed);
  NoviceRun run;
  Memory memory;
  memory.stoodOn.resize(known.found.places.size());
  const uint32_t start = nowMs(), clockMs = levels[level].clockMs;
  bool replan = true;
  float lastLeapX = -1.0f;
  NoviceSwing swing;
  float lowestY = 0.0f;
  for (;;) {
    const uint32_t now = nowMs();
    // Stops short of the pass in which the clock would cost a life.
    if (now + kFrameMs - start >= clockMs) {
      run.timedOut = true;
      break;
    }
    // Once a shove is over, a new plan from where he is, as the expert does.
    if (replan && player.knockBack == 0) {
      letGo();
      lookAround(known, memory);
      Plan plan = planInSight(level, known, memory);
      if (plan.keys.empty()) plan = leapBlind(known, memory, lastLeapX);
      ++run.plans;
      hands.follow(plan.keys, now);
      lowestY = plan.lowestY;
      replan = false;
    }
    tradeWhenLow();
    commands.add({Action::Swing, swing.down(goblinInFront(), now)});
    const int health = player.belongings.health, lives = player.belongings.lives;
    const bool airborne = player.jum;
    const float xBefore = player.x;
    hands.pass();
    lookAround(known, memory);
    if (!player.jum) standOn(known, memory);
    if (GameState == LevelStats) {
      run.finished = true;
      break;
    }
    const int lost = healthCost(health, lives);
    run.healthLost += lost;
    if (lost > 0) {
      ++(player.knockBack != 0 ? run.bites : run.thorns);
      replan = true;
    }
    if (player.belongings.lives < 1 || GameState != Playing) break;
    if (player.y > kLostBelowY) {
      run.fellOut = true;
      ++run.falls;
      break;
    }
    if (!replan && airborne && !player.jum && player.y > lowestY + kSameFloorPx) {
      ++run.falls;
      replan = true;
    }
    // There, stuck where a missed key left him, or running into a wall with the key
    // his plan for the exit never let go of: he looks again.
    if (hands.idle() && !player.jum && (player.speedx == 0.0f || player.x == xBefore)) replan = true;
  }
  letGo();
  run.ms = nowMs() - start;
  run.endX = int(player.x + kHeroScreenX);
  run.endY = int(player.y + kHeroScreenY);
  if (played) *played = hands.played;
  return run;
}
