#include "HeroSim.h"

#include <cmath>

#include "extras/Extra.h"
#include "platform/Clock.h"
#include "player/Player.h"
#include "shell/Commands.h"
#include "shell/GameFlow.h"
#include "shell/MainLoop.h"

HeroState levelStartState() {
  HeroState s = {};
  s.x = 100.0f;
  s.y = 100.0f;
  s.jum = true;
  s.now = 100000;
  return s;
}

HeroSim::HeroSim(const CollisionMap& c, int level) : collision(&c) {
  GameState = Playing;  // the actions are play's: jump is a jump only there
  // The search tests touches itself: the hero only steps, and picks nothing up.
  for (int i = 0; i < kExtraCount; ++i) {
    extras[i].place(i, level);
    targets.push_back({i, extras[i].type, extras[i].x, extras[i].y});
  }
}

void HeroSim::load(const HeroState& s) {
  player.x = s.x;
  player.y = s.y;
  player.speedx = s.speedx;
  player.speedy = s.speedy;
  player.jumpStart = s.jumpStart;
  player.slideStart = s.slideStart;
  player.cro = s.cro;
  player.jum = s.jum;
  player.sli = s.sli;
  player.ori = s.ori;
  player.jumpGrace = s.jumpGrace;
  player.att = false;
  player.belongings.health = 100;
  player.belongings.lives = 3;
  gameClock.useFake(s.now);
}

HeroState HeroSim::save() const {
  return {player.x, player.y,   player.speedx, player.speedy, player.jumpStart, player.slideStart,
          nowMs(),  player.cro, player.jum,    player.sli,    player.ori, player.jumpGrace};
}

void HeroSim::step(const std::vector<RouteStep>& keys) {
  for (const RouteStep& k : keys) commands.add({k.action, k.down});
  playCommandsNow();
  gameClock.advance(static_cast<uint32_t>(kRouteFrameMs));
  player.step({nowMs(), kRouteFrameMs}, *collision);
  player.settle(nowMs());
}

bool HeroSim::standing() const { return !player.jum && player.speedx == 0.0f; }

bool HeroSim::lost() const { return player.y > kLostBelowY || player.x < -400.0f || player.x > 7200.0f; }

void HeroSim::touched(std::vector<int>& out) const {
  out.clear();
  const float sx = player.x + 295.0f, sy = player.y + 215.0f;  // the hero sprite's corner
  for (const Target& t : targets) {
    // Nothing farther than the exit's reach can touch; most extras are far.
    if (std::fabs(t.x - sx) > 200.0f || std::fabs(t.y - sy) > 200.0f) continue;
    if (touchesExtra(t.type, t.x, t.y, player.x, player.y)) out.push_back(t.index);
  }
}
