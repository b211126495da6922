#include "shell/Progression.h"

#include "extras/Extra.h"
#include "extras/LevelExtras.h"
#include "goblins/Goblin.h"
#include "level/Level.h"
#include "level/LevelBuild.h"
#include "platform/Clock.h"
#include "player/Player.h"
#include "player/View.h"
#include "shell/GameFlow.h"
#include "shell/Shop.h"
#include "state/Rules.h"

namespace {
const int kLastLevel = kLevelCount - 1;
bool newGameWaiting = false;  // key 1 came before the levels were painted

// Under the wild rules a level may post its goblins: one at each post, the rest stay out.
void postGoblins(const std::vector<ExtraSpot>& posts) {
  for (int i = 0; i < kGoblinCount; ++i) {
    if (i < int(posts.size())) {
      goblins[i].lieInWait(float(posts[i].x), float(posts[i].y), nowMs());
    } else {
      goblins[i].health = 0;
    }
  }
}
}  // namespace

void respawnLevelObjects() {
  view.reset();  // a level starts with the view on the hero
  levels[levelIndex].clockMs = rules().ownExtras ? levelExtras.clockMsOf(levelIndex) : kLevelTimeMs;
  // Goblins are placed relative to the hero, so the hero must be in place first.
  // The posts come after the spawn, which rolls each goblin's breed and kind.
  for (int i = 0; i < kGoblinCount; ++i) goblins[i].spawn(i);
  if (const std::vector<ExtraSpot>* posts = rules().ownExtras ? levelExtras.postsOf(levelIndex) : nullptr)
    postGoblins(*posts);
  for (int i = 0; i < kExtraCount; ++i) extras[i].place(i);
}

void startNewGame() {
  newGameWaiting = false;
  // Before the clock starts, so a level still being painted costs no play time.
  levelBuild.waitFor(0);
  // Nothing of an earlier game carries over but a run key held through the start:
  // the title handed it to the hero, and he keeps its speed and facing.
  float speed = player.speedx;
  uint8_t facing = player.ori;
  player.reset(nowMs());
  if (runLeftHeld || runRightHeld) {
    player.speedx = speed;
    player.ori = facing;
  }
  gameUnderway = true;
  resetShop();
  secondsLeft = 0;
  levelIndex = 0;  // before the extras, which lie where this level has them
  respawnLevelObjects();
  setGameState(Playing);
  levels[0].restartTimer(nowMs());
}

void requestNewGame() {
  if (levelBuild.ready(0)) {
    startNewGame();
  } else {
    newGameWaiting = true;
  }
}

void startWaitingGame() {
  if (!newGameWaiting || !levelBuild.ready(0)) return;
  newGameWaiting = false;
  startNewGame();
}

void forgetWaitingGame() { newGameWaiting = false; }

void startLevel() {
  payBonusLeavingShop();
  ++levelIndex;
  levelBuild.waitFor(levelIndex);  // painted during the statistics and the shop
  player.setX(kStartX);
  player.setY(kStartY);
  // A cage freed in the last level is no checkpoint here, and the tally starts afresh.
  player.setRespawn(kStartX, kStartY);
  player.belongings.tally = LevelTally{};
  player.belongings.healForLevel();
  respawnLevelObjects();
  levels[levelIndex].restartTimer(nowMs());
  lastFrameTick = nowMs();
}

int levelToPaint() {
  switch (GameState) {
    case Playing:
      return levelIndex;
    case LevelStats:
    case Shop:
      return levelIndex + 1;  // none after the last
    default:
      return 0;  // every other screen leads to a new game
  }
}

bool skipToShop() {
  // Under the wild rules the shop is reached through the level's exit alone.
  if (!rules().shopKey || GameState != Playing) return false;
  // The level was not finished: walking out of the shop pays the last exit's seconds again.
  setGameState(Shop);
  return true;
}

void leaveShop() {
  // There is no level after the last: the walk out wins the game.
  if (levelIndex >= kLastLevel) {
    payBonusLeavingShop();
    setGameState(Victory);
    return;
  }
  startLevel();
  setGameState(Playing);
}
