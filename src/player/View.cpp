#include "player/View.h"

#include <algorithm>

#include "platform/Layout.h"
#include "player/Player.h"
#include "state/Rules.h"

View view;

namespace {
const float kLeadRate = 0.25f;  // px per ms the lead moves; the hero runs 0.3
}  // namespace

float easedLead(float lead, float heroX, float speedx, float ms) {
  const float most = rules().viewLeadPx;
  if (speedx != 0.0f) {
    const float target = speedx > 0.0f ? most : -most;
    const float step = kLeadRate * ms;
    lead = target > lead ? std::min(target, lead + step) : std::max(target, lead - step);
  }
  const float lo = std::min(0.0f, -heroX), hi = std::max(0.0f, float(kLevelWidth - kScreenWidth) - heroX);
  return std::clamp(lead, lo, hi);
}

void View::follow(float heroX, float speedx, float ms) { lead = easedLead(lead, heroX, speedx, ms); }

ViewCorner viewCorner(float heroX, float heroY, float lead) {
  const Rules& r = rules();
  ViewCorner v = {lead, -float(r.statusBandPx)};
  if (r.viewInLevel) {
    // Near the level's ends the hero leaves the middle of the screen instead.
    v.left = std::clamp(heroX + lead, 0.0f, float(kLevelWidth - kScreenWidth)) - heroX;
    v.top = std::clamp(heroY, 0.0f, float(kLevelHeight - (kScreenHeight - r.statusBandPx))) - heroY + v.top;
  }
  return v;
}

float View::left() const { return player.x + viewCorner(player.x, player.y, lead).left; }
float View::top() const { return player.y + viewCorner(player.x, player.y, lead).top; }
float View::heroScreenX() const { return kHeroScreenX - viewCorner(player.x, player.y, lead).left; }
float View::heroScreenY() const { return kHeroScreenY - viewCorner(player.x, player.y, lead).top; }
