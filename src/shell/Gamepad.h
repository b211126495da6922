#pragma once
#include <SDL/SDL.h>

#include "shell/Controls.h"

const Sint16 kPadDeadZone = 8000;  // stick travel, of 32767, that still counts as centred

// The first joystick or gamepad, played through the controls table. The stick
// and the d-pad are read as one: along a line the d-pad is pushed on, the stick
// does not count, so that moving from left to right releases left and presses
// right exactly once each.
class Gamepad {
 public:
  // Opens the first joystick, if one is present; silent either way.
  void open();
  void close();
  // Opens a pad that came after start-up, where pads come late (the browser).
  void lookForLatePad();
  // Handles one joystick event (axis, hat or button).
  void handle(const SDL_Event& event);

 private:
  static const int kAxes = 8;  // more than any pad's sticks; later axes are not bound

  bool pushed(Action action) const;
  void steer();
  void button(int number, bool down);

  SDL_Joystick* joystick = nullptr;
  Uint8 hat = SDL_HAT_CENTERED;
  int axisEnd[kAxes] = {};              // -1, 0 (centred) or 1
  bool given[int(Action::Count)] = {};  // what the hero was last given by the stick and the d-pad
};

extern Gamepad gamepad;
