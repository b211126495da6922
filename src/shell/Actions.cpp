#include "shell/Actions.h"

#include "platform/Clock.h"
#include "player/Player.h"
#include "shell/GameFlow.h"
#include "shell/Progression.h"
#include "shell/Screens.h"
#include "shell/Shop.h"

void actionKey() {
  switch (GameState) {
    case Shop: buyUpgrade(); break;
    case LevelStats: GameState = Shop; break;
    case Victory: startNameEntry(); break;
    case Playing: player.jump(nowMs()); break;
    default: break;
  }
}

void startOrLeaveForTitle() {
  if (GameState == Title) {
    requestNewGame();
  } else {
    forgetWaitingGame();
    missedTable = false;
    GameState = Title;
  }
}
