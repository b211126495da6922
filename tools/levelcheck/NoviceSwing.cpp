#include "NoviceSwing.h"

#include "goblins/Goblin.h"
#include "play/Contacts.h"
#include "player/Player.h"

bool NoviceSwing::down(bool reach, uint32_t now) {
  if (reach && !inReach) reachSince = now;
  inReach = reach;
  // Let go on the next pass, so that each swing is a press of its own.
  swinging = !swinging && reach && now - reachSince >= kNoviceSwingWaitMs;
  return swinging;
}

bool goblinInFront() {
  for (const Goblin& g : goblins) {
    if (g.health <= 0 || g.waiting || !contacts.heroReaches(g, player.x, player.y, player.ori)) continue;
    const float ahead = g.x - (player.x + kHeroScreenX);  // sprite corners, level px
    if (player.ori != 0 ? ahead < 0.0f : ahead > 0.0f) return true;
  }
  return false;
}
