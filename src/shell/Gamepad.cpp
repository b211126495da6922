#include "shell/Gamepad.h"

#include "platform/Clock.h"
#include "player/Player.h"
#include "shell/Actions.h"
#include "shell/GameFlow.h"
#include "shell/PauseScreen.h"

namespace {
const Uint8 kStickX = 0, kStickY = 1;  // the left stick; other axes (triggers) rest off centre

int direction(Sint16 value) {
  if (value < -kPadDeadZone) return -1;
  return value > kPadDeadZone ? 1 : 0;
}

void runTowards(int dir) {
  if (dir < 0) player.runLeft();
  if (dir > 0) player.runRight();
}

void release(int dir) {
  if (dir < 0) player.releaseLeft(nowMs());
  if (dir > 0) player.releaseRight(nowMs());
}
}  // namespace

Gamepad gamepad;

void Gamepad::open() {
  // Start-up's SDL_Init has already started the joystick system.
  if (SDL_NumJoysticks() < 1) return;
  joystick = SDL_JoystickOpen(0);
  if (joystick) SDL_JoystickEventState(SDL_ENABLE);
}

void Gamepad::close() {
  if (joystick) SDL_JoystickClose(joystick);
  joystick = nullptr;
}

void Gamepad::handle(const SDL_Event& event) {
  switch (event.type) {
    case SDL_JOYAXISMOTION: stickMoved(event.jaxis.axis, event.jaxis.value); break;
    case SDL_JOYHATMOTION:
      if (event.jhat.hat == 0) hatMoved(event.jhat.value);
      break;
    case SDL_JOYBUTTONDOWN: buttonDown(event.jbutton.button); break;
    case SDL_JOYBUTTONUP: buttonUp(event.jbutton.button); break;
    default: break;
  }
}

void Gamepad::stickMoved(Uint8 axis, Sint16 value) {
  if (axis == kStickX) stickX = direction(value);
  if (axis == kStickY) stickY = direction(value);
  steer();
}

void Gamepad::hatMoved(Uint8 value) {
  hatX = (value & SDL_HAT_LEFT) ? -1 : (value & SDL_HAT_RIGHT) ? 1 : 0;
  hatY = (value & SDL_HAT_UP) ? -1 : (value & SDL_HAT_DOWN) ? 1 : 0;
  steer();
}

// Gives the hero only the changes, as the arrow keys would: a release of the old
// direction before a press of the new one, and a drop on the move into "down".
void Gamepad::steer() {
  int x = hatX != 0 ? hatX : stickX;
  bool nowDown = (hatY != 0 ? hatY : stickY) > 0;
  // While paused the stick only lets go, as the keys do; a push waits for the next move.
  bool frozen = pauseScreen.active();
  if (x != runDirection) {
    release(runDirection);
    runDirection = frozen ? 0 : x;
    runTowards(runDirection);
  }
  if (nowDown && !down && !frozen) player.dropDown(nowMs());
  down = nowDown;
}

void Gamepad::buttonDown(Uint8 button) {
  if (button == kPadBack) {
    pauseScreen.toggle();
    return;
  }
  // While paused only Start works, and it leaves the paused screen.
  if (pauseScreen.active()) {
    if (button != kPadStart) return;
    pauseScreen.resume();
  }
  switch (button) {
    case kPadJump: actionKey(); break;
    case kPadSwing: player.attack(); break;
    case kPadTrade: player.consumeWeapon(); break;
    case kPadCrouch:
      // Unlike z, the button has no letter to type elsewhere.
      if (GameState == Playing) player.crouch();
      break;
    case kPadStart:
      startOrLeaveForTitle();
      break;
    default: break;
  }
}

void Gamepad::buttonUp(Uint8 button) {
  if (button == kPadSwing) player.stopAttack();
  if (button == kPadCrouch) player.standUp();
}
