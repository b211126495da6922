#include "shell/Actions.h"

#include "play/Contacts.h"
#include "player/Player.h"
#include "shell/GameFlow.h"
#include "shell/PauseScreen.h"
#include "shell/Progression.h"
#include "shell/Screens.h"
#include "shell/Shop.h"

namespace {
void jumpOrGoOn(uint32_t now) {
  switch (GameState) {
    case Shop: buyUpgrade(); break;
    case LevelStats: GameState = Shop; break;
    case Victory: startNameEntry(); break;
    case Playing: player.jump(now); break;
    default: break;
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

bool playAction(Action action, uint32_t now) {
  if (action == Action::Pause) return pauseScreen.toggle();
  if (action == Action::LoseFocus) {
    pauseScreen.pause();
    return true;
  }
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
    case Action::Jump: jumpOrGoOn(now); break;
    case Action::Drop: player.dropDown(now); break;
    case Action::Crouch:
      if (GameState != Playing) return false;
      player.crouch();
      break;
    case Action::Swing: contacts.swing(now); break;
    case Action::Trade: tradeWeapon(); break;
    case Action::Start: startOrLeaveForTitle(); break;
    case Action::Instructions: goFrom(Title, Instructions); break;
    case Action::Story: goFrom(Title, Story); break;
    case Action::About: goFrom(Title, About); break;
    case Action::Scores: goFrom(Title, Scores); break;
    case Action::Shop: return skipToShop();
    case Action::NameEntry: startNameEntry(); break;
    case Action::Rules:
      if (GameState != Title) return false;
      wildRules = !wildRules;
      break;
    default:
      return false;
  }
  return true;
}

void letGoAction(Action action, uint32_t now) {
  switch (action) {
    case Action::RunLeft:
      player.releaseLeft(now);
      runLeftHeld = false;
      break;
    case Action::RunRight:
      player.releaseRight(now);
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
