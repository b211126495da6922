#include "ExpertPlay.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <tuple>
#include <vector>

#include "LevelSearch.h"
#include "extras/Extra.h"
#include "goblins/Goblin.h"
#include "level/Level.h"
#include "level/LevelBuild.h"
#include "platform/Clock.h"
#include "play/Contacts.h"
#include "player/Player.h"
#include "shell/Commands.h"
#include "shell/GameFlow.h"
#include "shell/MainLoop.h"
#include "shell/Progression.h"

namespace {
const unsigned kExpertSeed = 1234;
const uint32_t kFrameMs = static_cast<uint32_t>(kRouteFrameMs);  // the routes were found at this step
const int kTradeAtHealth = 40;  // and below, a weapon level is worth more as health
// A level's start fall grows from jumpStart = 0, so in a real game, seconds
// after the program started, it is at full speed at once. A try this early on
// the fake clock would fall slower, and the first try of a run would differ.
const uint32_t kSettledClockMs = 10000;

// What a search overwrites in the hero and the extras, to be put back: all of it,
// or a replay of the commands alone would not play the game that was recorded.
auto heroCounters() {
  return std::tie(player.belongings, player.animStart, player.drawnHealth, player.hurtBlink, player.hurtTick,
                  player.shieldMs, player.respawnX, player.respawnY, player.knockBack, player.swingStart,
                  player.swingCount, player.att, player.lifeFlash, player.lifeLostTick, playEvents);
}
auto extraState(Extra& e) { return std::tie(e.type, e.x, e.y, e.rescued, e.triggered, e.hitTime, e.wilted); }
// The search lands the hero, and a landing draws its sound from rand(): the game's
// own numbers must not move for it. glibc keeps rand()'s state where setstate says.
class KeptRandomState {
 public:
  KeptRandomState() : live(initstate(1, scratch, sizeof scratch)) {
    std::memcpy(kept, live, sizeof kept);
    setstate(live);
  }
  ~KeptRandomState() {
    setstate(scratch);
    std::memcpy(live, kept, sizeof kept);
    setstate(live);
  }

 private:
  char scratch[128], kept[128];  // the default state's size, its type word included
  char* live;
};

template <typename Tied>
auto copyOf(Tied tied) {
  return std::apply([](auto... v) { return std::make_tuple(v...); }, tied);
}

// The checker's route from where the hero is. Empty when the hero cannot get
// to the exit unhurt from here, as while he falls into thorns.
Route routeFromHere(int level) {
  Route route;
  thinkAhead(level, [&](const HeroState& here) {
    SearchResult found = searchLevel(level, true, &here);
    if (found.exitReachable) route = found.exitRoute;
  });
  return route;
}
}  // namespace

void thinkAhead(int level, const std::function<void(const HeroState&)>& think) {
  // What the search tries is no command of the game's: a recorder must not hear it.
  auto listener = commands.listener;
  commands.listener = nullptr;
  const KeptRandomState numbers;
  const auto kept = copyOf(heroCounters());
  std::vector<decltype(copyOf(extraState(extras[0])))> lying;
  for (Extra& e : extras) lying.push_back(copyOf(extraState(e)));
  HeroState start = HeroSim(levels[level].getCollisionMap(), level).save();
  think(start);
  HeroSim(levels[level].getCollisionMap(), level).load(start);
  heroCounters() = kept;
  for (int i = 0; i < kExtraCount; ++i) extraState(extras[i]) = lying[i];
  commands.listener = listener;
}

void letGo() {
  for (Action a : {Action::RunLeft, Action::RunRight, Action::Crouch}) releaseAction(a);
  playCommandsNow();
}

bool goblinInReach() {
  for (const Goblin& g : goblins)
    if (g.health > 0 && !g.waiting && contacts.heroReaches(g, player.x, player.y, player.ori)) return true;
  return false;
}

void tradeWhenLow() {
  if (player.belongings.health <= kTradeAtHealth && player.belongings.weaponLevel > 0)
    pressAction(Action::Trade);
}

int healthCost(int health, int lives) {
  return player.belongings.lives < lives ? health : std::max(0, health - player.belongings.health);
}

void pass() {
  playCommandsNow();
  gameClock.advance(kFrameMs);
  runScreenPass(measureFrame());
}

bool playToExit(int level, int& healthLost) {
  Route route = routeFromHere(level);
  size_t next = 0;
  bool offRoute = route.empty(), swinging = false;
  for (int f = 0, passes = 0; passes < kMaxPasses; ++f, ++passes) {
    tradeWhenLow();
    swinging = !swinging && goblinInReach();  // each swing hits on its press
    commands.add({Action::Swing, swinging});
    for (; next < route.size() && route[next].frame == f; ++next)
      commands.add({route[next].action, route[next].down});
    const int health = player.belongings.health, lives = player.belongings.lives;
    pass();
    if (GameState == LevelStats) return true;
    const int lost = healthCost(health, lives);
    healthLost += lost;
    // A hurt throws the hero off the way: once the shove is over, a new plan from where he is.
    offRoute = offRoute || lost > 0;
    if (offRoute && player.knockBack == 0) {
      letGo();
      route = routeFromHere(level);
      next = 0;
      f = -1;
      offRoute = route.empty();  // no way yet: try again on the next pass
    }
  }
  return false;
}

void startAsNewHero(int level, unsigned seed) {
  std::srand(seed);
  if (nowMs() < kSettledClockMs) gameClock.advance(kSettledClockMs - nowMs());
  levelBuild.waitFor(level);
  player.reset(nowMs());
  levelIndex = level;
  respawnLevelObjects();
  GameState = Playing;
  levels[level].restartTimer(nowMs());
  lastFrameTick = nowMs();  // the first pass is one step long, whatever ran before
}

bool expertPlaysLevel(int level, int& healthLost) {
  startAsNewHero(level, kExpertSeed);
  return playToExit(level, healthLost);
}
