#pragma once
// The one table of controls: every key and gamepad input the game answers to,
// and the action it plays. Letters not in it type the name.
#include <SDL/SDL.h>

#include <vector>

#include "platform/PadLayout.h"
#include "shell/Actions.h"

// Pad buttons by what they do; the browser numbers some of them otherwise.
const int kPadJump = kPadButtonA;
const int kPadSwing = kPadButtonB;
const int kPadTrade = kPadButtonX;
const int kPadCrouch = kPadButtonY;
const int kPadRules = kPadButtonLeftShoulder;
const int kPadBack = kPadButtonBack;    // Back or Select
const int kPadStart = kPadButtonStart;  // desktop pads of other makes may put a stick click here

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
