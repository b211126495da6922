#pragma once
// The one table of controls: every key and gamepad input the game answers to,
// and the action it plays. Letters not in it type the name.
#include <SDL/SDL.h>

#include <vector>

#include "shell/Actions.h"

// Pad button numbers as SDL reports them; the letters are an Xbox-style pad's.
const int kPadJump = 0;    // A
const int kPadSwing = 1;   // B
const int kPadTrade = 2;   // X
const int kPadCrouch = 3;  // Y
const int kPadRules = 4;   // left shoulder
const int kPadBack = 6;    // Back or Select
const int kPadStart = 7;   // Start; other pads put a stick click or a trigger here or at 9

enum class Source { Key, PadButton, PadHat, PadAxis };

// A key (its SDLKey), a pad button (its number), a direction of the pad's first
// hat (its SDL_HAT_ bit) or one end of a pad axis (its number, and sign -1 or 1).
struct Binding {
  Source source;
  int code;
  int sign;
  Action action;
};

const std::vector<Binding>& controls();

// The action of a key or a pad button; Action::None when it has none.
Action actionOf(Source source, int code);
// The first key bound to an action (the arrows before Space), for replaying
// actions as keys; SDLK_UNKNOWN when none is.
SDLKey keyFor(Action action);
