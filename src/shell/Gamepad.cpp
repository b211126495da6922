#include "shell/Gamepad.h"

#include "shell/Commands.h"
#include "shell/Controls.h"

namespace {
const int kHatAcross = SDL_HAT_LEFT | SDL_HAT_RIGHT, kHatUpDown = SDL_HAT_UP | SDL_HAT_DOWN;

int axisEndOf(Sint16 value) {
  if (value < -kPadDeadZone) return -1;
  return value > kPadDeadZone ? 1 : 0;
}

bool steers(const Binding& b) { return b.source == Source::PadHat || b.source == Source::PadAxis; }
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

void Gamepad::lookForLatePad() {
  if (kPadsArriveLate && !joystick) open();
}

void Gamepad::handle(const SDL_Event& event) {
  switch (event.type) {
    case SDL_JOYAXISMOTION:
      if (event.jaxis.axis >= kAxes) return;
      axisEnd[event.jaxis.axis] = axisEndOf(event.jaxis.value);
      steer();
      break;
    case SDL_JOYHATMOTION:
      if (event.jhat.hat != 0) return;
      hat = event.jhat.value;
      steer();
      break;
    case SDL_JOYBUTTONDOWN: button(event.jbutton.button, true); break;
    case SDL_JOYBUTTONUP: button(event.jbutton.button, false); break;
    default: break;
  }
}

// Where the d-pad is four buttons (the browser), they steer as the hat's directions do.
void Gamepad::button(int number, bool down) {
  if (Uint8 direction = padHatOf(number)) {
    hat = down ? Uint8(hat | direction) : Uint8(hat & ~direction);
    steer();
  } else if (down) {
    pressAction(actionOf(Source::PadButton, number));
  } else {
    releaseAction(actionOf(Source::PadButton, number));
  }
}

bool Gamepad::pushed(Action action) const {
  bool byStick = false;
  for (const Binding& b : controls()) {
    if (b.action != action) continue;
    if (b.source == Source::PadHat) {
      int line = (b.code & kHatAcross) ? kHatAcross : kHatUpDown;
      if (hat & line) return hat & b.code;  // the d-pad leads
    }
    if (b.source == Source::PadAxis) byStick = byStick || axisEnd[b.code] == b.sign;
  }
  return byStick;
}

// Gives the hero only the changes, as the keys would: releases before presses,
// and a drop on the move into "down" only.
void Gamepad::steer() {
  for (const Binding& b : controls()) {
    int a = int(b.action);
    if (steers(b) && given[a] && !pushed(b.action)) {
      given[a] = false;
      commands.add({b.action, false, 0, &given[a]});
    }
  }
  for (const Binding& b : controls()) {
    int a = int(b.action);
    // While paused a run waits for the next move of the stick (the list clears its
    // note), and a drop is spent.
    if (steers(b) && !given[a] && pushed(b.action)) {
      given[a] = true;
      commands.add({b.action, true, 0, &given[a]});
    }
  }
}
