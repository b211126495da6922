#pragma once
#include <SDL/SDL.h>

// Gamepad buttons as SDL numbers them, named after an Xbox-style pad's. The
// desktop's SDL takes the driver's numbers (xpad's on Linux), with the d-pad as
// the first hat. The browser's SDL takes the browser's standard mapping: Back and
// Start are 8 and 9 (6 and 7 are the triggers), and the d-pad is four buttons,
// up, down, left and right from 12. A browser also shows a pad to the page only
// after one of its buttons was pressed there, so the game looks for it late.
#ifdef __EMSCRIPTEN__
const int kPadButtonBack = 8, kPadButtonStart = 9;
const int kPadDpadFirst = 12;
const bool kPadsArriveLate = true;
#else
const int kPadButtonBack = 6, kPadButtonStart = 7;
const int kPadDpadFirst = -1;  // no d-pad buttons: the d-pad is a hat
const bool kPadsArriveLate = false;
#endif
const int kPadButtonA = 0, kPadButtonB = 1, kPadButtonX = 2, kPadButtonY = 3, kPadButtonLeftShoulder = 4;

// The d-pad direction (an SDL_HAT_ bit) of a pad button; 0 when it is no d-pad button.
inline Uint8 padHatOf(int button) {
  const Uint8 directions[] = {SDL_HAT_UP, SDL_HAT_DOWN, SDL_HAT_LEFT, SDL_HAT_RIGHT};
  const int i = button - kPadDpadFirst;
  return kPadDpadFirst >= 0 && i >= 0 && i < 4 ? directions[i] : 0;
}
