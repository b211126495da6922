#pragma once
#include <SDL/SDL.h>

// Button numbers as SDL reports them; the letters are an Xbox-style pad's.
const int kPadJump = 0;            // A: jump, buy, go on
const int kPadSwing = 1;           // B: swing the weapon
const int kPadTrade = 2;           // X: trade one weapon level for health
const int kPadCrouch = 3;          // Y: crouch while held, during play
const int kPadBack = 6;            // Back or Select: pause, go on
const int kPadStart = 7;           // Start; other pads put a stick click or a trigger here or at 9
const Sint16 kPadDeadZone = 8000;  // stick travel, of 32767, that still counts as centred

// The first joystick or gamepad, mapped onto the same actions as the keys. The
// stick and the d-pad are read as one direction, so that moving from left to
// right releases left and presses right exactly once each.
class Gamepad {
 public:
  // Opens the first joystick, if one is present; silent either way.
  void open();
  void close();
  // Handles one joystick event (axis, hat or button).
  void handle(const SDL_Event& event);

 private:
  void stickMoved(Uint8 axis, Sint16 value);
  void hatMoved(Uint8 value);
  void steer();
  void buttonDown(Uint8 button);
  void buttonUp(Uint8 button);

  SDL_Joystick* joystick = nullptr;
  // Each source's direction: -1 left or up, 0 centred, 1 right or down.
  int stickX = 0, stickY = 0, hatX = 0, hatY = 0;
  // The direction the hero was last given, from whichever source leads.
  int runDirection = 0;
  bool down = false;
};

extern Gamepad gamepad;
