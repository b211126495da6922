#include "NovicePlay.h"

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "ExpertPlay.h"
#include "Harness.h"
#include "platform/Clock.h"
#include "player/Player.h"
#include "shell/Controls.h"
#include "shell/GameState.h"

namespace {
const int kLateMinMs = 120, kLateMaxMs = 260;          // a key comes this late
const int kHoldSpreadMs = 60;                          // a hold is this much longer or shorter
const uint32_t kSwingAfterMs = 200;                    // a goblin in reach this long draws a swing
const float kViewHalfW = 320.0f, kViewHalfH = 240.0f;  // he sees this far from the view's centre, px
const float kFallPx = 60.0f;                           // landing this much lower than he took off is a fall
const int kMaxNovicePasses = 8000;                     // 128 s: past the level's clock
const int kLostWaitFrames = 30;  // with no way seen from here, he looks again after half a second

int framesOf(float ms) { return int(std::lround(ms / kRouteFrameMs)); }

// The plan as his hands play it: each press late, each hold a little off.
Route byHand(const Route& plan, std::mt19937& dice) {
  std::uniform_int_distribution<int> late(kLateMinMs, kLateMaxMs), spread(-kHoldSpreadMs, kHoldSpreadMs);
  Route played;
  std::vector<int> pressedAt(int(Action::None) + 1, -1), playedAt(int(Action::None) + 1, 0);
  for (const RouteStep& k : plan) {
    const int a = int(k.action);
    if (k.down) {
      pressedAt[a] = k.frame;
      playedAt[a] = k.frame + framesOf(float(late(dice)));
      played.push_back({playedAt[a], k.action, true});
    } else {
      const int held = pressedAt[a] < 0 ? 0 : k.frame - pressedAt[a];
      const int at = playedAt[a] + std::max(0, held + framesOf(float(spread(dice))));
      played.push_back({std::max(at, playedAt[a]), k.action, false});
    }
  }
  std::stable_sort(played.begin(), played.end(),
                   [](const RouteStep& a, const RouteStep& b) { return a.frame < b.frame; });
  return played;
}
}  // namespace

NoviceRun novicePlaysLevel(int level, unsigned seed) {
  NoviceRun run;
  startAsNewGame(level, seed);
  std::mt19937 dice(seed);
  Route route;
  size_t next = 0;
  int f = 0;
  float plannedX = 0.0f, plannedY = 0.0f, tookOffY = player.y;
  bool lookAgain = true, wasAirborne = player.jum, swinging = false;
  uint32_t inReachSince = 0;
  for (int passes = 0; passes < kMaxNovicePasses; ++passes, ++f) {
    if (lookAgain && player.knockBack == 0) {
      letGo();
      route = byHand(routeFromHere(level), dice);
      next = 0;
      f = 0;
      plannedX = player.x;
      plannedY = player.y;
      lookAgain = false;
    }
    const bool inReach = goblinInReach();
    if (!inReach) inReachSince = 0;
    if (inReach && inReachSince == 0) inReachSince = nowMs();
    swinging = !swinging && inReach && nowMs() - inReachSince >= kSwingAfterMs;
    pushKey(keyFor(Action::Swing), swinging);
    for (; next < route.size() && route[next].frame <= f; ++next)
      pushKey(keyFor(route[next].action), route[next].down);
    const int health = player.health, lives = player.lives;
    pass();
    run.seconds = float(passes + 1) * kRouteFrameMs / 1000.0f;
    if (getGameState() == LevelStats) return run.finished = true, run;
    if (getGameState() != Playing) return run;  // out of lives
    const int lost = player.lives < lives ? health : std::max(0, health - player.health);
    run.healthLost += lost;
    if (!wasAirborne && player.jum) tookOffY = player.y;
    const bool fell = wasAirborne && !player.jum && player.y - tookOffY > kFallPx;
    wasAirborne = player.jum;
    // At the edge of what he saw when he planned, standing, he looks again.
    const bool atEdge = !player.jum && (std::fabs(player.x - plannedX) >= kViewHalfW ||
                                        std::fabs(player.y - plannedY) >= kViewHalfH);
    const bool noWay = route.empty() && f >= kLostWaitFrames;
    lookAgain = lookAgain || lost > 0 || fell || atEdge || noWay;
  }
  return run;
}
