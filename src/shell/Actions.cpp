#include "shell/Actions.h"

#include "platform/Clock.h"
#include "play/Contacts.h"
#include "player/Player.h"
#include "shell/GameFlow.h"
#include "shell/PauseScreen.h"
#include "shell/Progression.h"
#include "shell/Screens.h"
#include "shell/Shop.h"

namespace {
void jumpOrGoOn() {
  switch (GameState) {
    case Shop:
      buyUpgrade();
      break;
    case LevelStats:
      GameState = Shop;
      break;
    case Victory:
      startNameEntry();
      break;
    case Playing:
      player.jump(nowMs());
      break;
    default:
      break;
  }
}

void startOrLeaveForTitle() {
  if (GameState == Title) {
    requestNewGame();
  } else {
    forgetWaitingGame();
    gameUnderway = false;
    missedTable = false;
    GameState = Title;
  }
}

void goFrom(int32_t from, int32_t to) {
  if (GameState == from) GameState = to;
}
}  // namespace

bool pressAction(Action action) {
  if (action == Action::Pause) return pauseScreen.toggle();
  if (pauseScreen.active()) {
    if (action != Action::Start && action != Action::NameEntry) return false;
    pauseScreen.resume();
  }
  switch (action) {
    case Action::RunLeft:
      player.runLeft();
      runLeftHeld = true;
      break;
    case Action::RunRight:
      player.runRight();
      runRightHeld = true;
      break;
    case Action::Jump:
      jumpOrGoOn();
      break;
    case Action::Drop:
      player.dropDown(nowMs());
      break;
    case Action::Crouch:
      if (GameState != Playing) return false;
      player.crouch();
      break;
    case Action::Swing:
      contacts.swing(nowMs());
      break;
    case Action::Trade:
      player.belongings.consumeWeapon();
      break;
    case Action::Start:
      startOrLeaveForTitle();
      break;
    case Action::Instructions:
      goFrom(Title, Instructions);
      break;
    case Action::Story:
      goFrom(Title, Story);
      break;
    case Action::About:
      goFrom(Title, About);
      break;
    case Action::Scores:
      goFrom(Title, Scores);
      break;
    case Action::Shop:
      return skipToShop();
    case Action::NameEntry:
      startNameEntry();
      break;
    case Action::Rules:
      if (GameState != Title) return false;
      wildRules = !wildRules;
      break;
    default:
      return false;
  }
  return true;
}

void releaseAction(Action action) {
  switch (action) {
    case Action::RunLeft:
      player.releaseLeft(nowMs());
      runLeftHeld = false;
      break;
    case Action::RunRight:
      player.releaseRight(nowMs());
      runRightHeld = false;
      break;
    case Action::Crouch:
      player.standUp();
      break;
    case Action::Swing:
      player.stopAttack();
      break;
    default:
      break;
  }
}

bool isHeld(Action action) {
  return action == Action::RunLeft || action == Action::RunRight || action == Action::Crouch ||
         action == Action::Swing;
}
