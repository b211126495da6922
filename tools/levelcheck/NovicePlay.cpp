#include "NovicePlay.h"

#include <SDL/SDL.h>

#include <algorithm>
#include <map>
#include <utility>

#include "ExpertPlay.h"
#include "LevelSearch.h"
#include "NoviceSwing.h"
#include "RouteFigures.h"
#include "level/Level.h"
#include "platform/Clock.h"
#include "player/Player.h"
#include "shell/Commands.h"
#include "shell/GameFlow.h"
#include "shell/MainLoop.h"

namespace {
const uint32_t kFrameMs = static_cast<uint32_t>(kRouteFrameMs);
const int kViewW = 640, kViewH = 480, kHeroPx = 50;  // the whole hero shows inside the view
const int kSameFloorPx = 8;       // a landing farther below the plan's lowest floor is a fall
const int kMatchPx = 40;          // a place stands for the expert's place this near on its floor
const int kOnPlacePx = 4;         // a hero this near the expert's place stands on it
const uint32_t kPuzzledMs = 500;  // with no plan, he looks again after this long

// The expert's knowledge of a level: every place and move found from its
// start, and how much way each place has left to the exit (-1 for none).
struct Knowledge {
  SearchResult found;
  std::vector<long> toExit;
  std::multimap<int, int> byFloor;  // view y to place index
};

const Knowledge& knowledgeOf(int level) {
  static std::map<std::pair<int, bool>, Knowledge> known;
  Knowledge& k = known[{level, wildRules}];
  if (!k.found.places.empty()) return k;
  thinkAhead(level, [&](const HeroState&) { k.found = searchLevel(level); });
  k.toExit = cheapestWays(k.found, true).cost;
  for (size_t i = 0; i < k.found.places.size(); ++i) k.byFloor.insert({int(k.found.places[i].y), int(i)});
  return k;
}

// The expert's place nearest `s` on its floor, no farther than `reachPx`; -1 for
// none. With `wayOn`, only places from which the exit can be reached.
int nearestPlace(const Knowledge& k, const HeroState& s, float reachPx, bool wayOn) {
  int best = -1;
  for (auto it = k.byFloor.lower_bound(int(s.y) - kSameFloorPx);
       it != k.byFloor.end() && it->first <= int(s.y) + kSameFloorPx; ++it) {
    const float dx = std::abs(k.found.places[it->second].x - s.x);
    if (dx <= reachPx && (!wayOn || k.toExit[it->second] >= 0)) reachPx = dx, best = it->second;
  }
  return best;
}

// The way left to the exit from `s`, by the expert's nearest place; -1 when unknown.
long wayLeft(const Knowledge& k, const HeroState& s) {
  const int at = nearestPlace(k, s, kMatchPx, true);
  return at < 0 ? -1 : k.toExit[at];
}

struct Plan {
  Route keys;
  float lowestY = 0.0f;  // the lowest floor on the way, view y
};

// The place reached with the least way left to the exit, the exit itself first;
// `from` when none is better.
int bestInSight(const Knowledge& k, const SearchResult& r, const Ways& ways, int from) {
  const int exitNode = int(r.places.size());
  if (ways.cost[exitNode] >= 0) return exitNode;
  int best = from;
  long bestLeft = wayLeft(k, r.places[from]);
  for (int i = 0; i < exitNode; ++i) {
    const long left = ways.cost[i] < 0 ? -1 : wayLeft(k, r.places[i]);
    if (left >= 0 && (bestLeft < 0 || left < bestLeft)) best = i, bestLeft = left;
  }
  return best;
}

// The keys of the moves from place `from` to place `to`, frames counted from the
// plan's start, `startFrames` before the first move.
Plan keysTo(int level, const SearchResult& r, const Ways& ways, int from, int to, int startFrames) {
  std::vector<int> chain;
  for (int node = to; node != from; node = r.edges[ways.via[node]].from) chain.push_back(ways.via[node]);
  Plan plan;
  plan.lowestY = r.places[from].y;
  HeroSim sim(levels[level].getCollisionMap(), level);
  int offset = startFrames;
  for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
    const Edge& e = r.edges[*it];
    Outcome o = playMove(sim, r.places[e.from], searchMoves()[e.move]);
    for (const RouteStep& key : o.keys)
      if (e.to != kExitPlace || key.frame <= o.exitFrame)
        plan.keys.push_back({key.frame + offset, key.action, key.down});
    if (e.to >= 0) plan.lowestY = std::max(plan.lowestY, r.places[e.to].y);
    offset += e.frames;
  }
  return plan;
}

// The way to the best place in sight, over the moves of `r` from its place `from`.
Plan planOver(int level, const Knowledge& k, const SearchResult& r, int from, const SDL_Rect& sight,
              int startFrames) {
  const Ways ways = cheapestWays(r, false, from, &sight);
  const int best = bestInSight(k, r, ways, from);
  return best == from ? Plan() : keysTo(level, r, ways, from, best, startFrames);
}

// What the novice sees from where he is, and his way to its best place: the
// moves from a place he sees lead on to where he cannot see yet. Standing where
// the expert has stood, he takes the expert's moves; elsewhere he looks over the
// view for himself. Empty when he sees no way on.
Plan planInSight(int level, const Knowledge& known) {
  Plan plan;
  thinkAhead(level, [&](const HeroState& here) {
    const SDL_Rect sight = {static_cast<Sint16>(here.x), static_cast<Sint16>(here.y),
                            static_cast<Uint16>(kViewW - kHeroPx), static_cast<Uint16>(kViewH - kHeroPx)};
    const bool standing = !here.jum && here.speedx == 0.0f;
    const int at = standing ? nearestPlace(known, here, kOnPlacePx, false) : -1;
    if (at >= 0) {
      plan = planOver(level, known, known.found, at, sight, 0);
      return;
    }
    SearchResult r = searchLevel(level, false, &here, &sight);
    if (!r.places.empty()) plan = planOver(level, known, r, 0, sight, r.startFrames);
  });
  return plan;
}
}  // namespace

NoviceHands::NoviceHands(unsigned seed) : random(seed) {}

void NoviceHands::follow(const Route& plan, uint32_t startMs) {
  due.clear();
  next = 0;
  std::uniform_int_distribution<int> late(kNoviceLateMinMs, kNoviceLateMaxMs);
  std::map<Action, uint32_t> letGoAt;  // a key is pressed again only after it was let go
  for (size_t i = 0; i < plan.size(); ++i) {
    if (!plan[i].down) continue;
    const uint32_t pressAt = startMs + uint32_t(plan[i].frame) * kFrameMs;
    // Still as late as any key: the last release was due no later than this press.
    const int pressLate = std::max(late(random), int(int64_t(letGoAt[plan[i].action]) - int64_t(pressAt)));
    due.push_back({plan[i].action, true, pressAt, pressAt + uint32_t(pressLate), plans});
    auto up = std::find_if(plan.begin() + long(i) + 1, plan.end(),
                           [&](const RouteStep& k) { return k.action == plan[i].action && !k.down; });
    if (up == plan.end()) continue;
    const uint32_t releaseAt = startMs + uint32_t(up->frame) * kFrameMs;
    // As late as any key, the hold off by no more than the slack, and never let go before the press.
    const int holdMs = int(releaseAt - pressAt);
    const int lo = std::max({kNoviceLateMinMs, pressLate - kNoviceHoldSlackMs, pressLate - holdMs});
    const int hi = std::min(kNoviceLateMaxMs, pressLate + kNoviceHoldSlackMs);
    const int releaseLate = std::uniform_int_distribution<int>(lo, hi)(random);
    letGoAt[plan[i].action] = releaseAt + uint32_t(releaseLate);
    due.push_back({plan[i].action, false, releaseAt, releaseAt + uint32_t(releaseLate), plans});
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
  const uint32_t start = nowMs();
  bool replan = true;
  uint32_t lookAgainAt = start;
  NoviceSwing swing;
  float lowestY = 0.0f;
  for (;;) {
    const uint32_t now = nowMs();
    // Stops short of the pass in which the clock would cost a life.
    if (now + kFrameMs - start >= kNoviceTimeLimitMs) {
      run.timedOut = true;
      break;
    }
    // Once a shove is over, a new plan from where he is, as the expert does.
    if (replan && player.knockBack == 0 && now >= lookAgainAt) {
      letGo();
      Plan plan = planInSight(level, known);
      ++run.plans;
      hands.follow(plan.keys, now);
      lowestY = plan.lowestY;
      replan = plan.keys.empty();
      lookAgainAt = now + kPuzzledMs;
    }
    tradeWhenLow();
    commands.add({Action::Swing, swing.down(goblinInReach(), now)});
    const int health = player.belongings.health, lives = player.belongings.lives;
    const bool airborne = player.jum;
    hands.pass();
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
    // There, or stuck where a missed key left him: he looks again.
    if (hands.idle() && !player.jum && player.speedx == 0.0f) replan = true;
  }
  letGo();
  run.ms = nowMs() - start;
  run.endX = int(player.x + kHeroScreenX);
  run.endY = int(player.y + kHeroScreenY);
  if (played) *played = hands.played;
  return run;
}
