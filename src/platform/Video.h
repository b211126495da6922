#pragma once
#include <SDL/SDL.h>

#include "platform/Layout.h"

const int kScreenBits = 24;

// The SDL systems the game starts (the browser's SDL has no CD-ROM).
extern const Uint32 kSdlSystems;

// The video surface every drawing goes to; a resize may replace it.
extern SDL_Surface* ScreenSurface;

// Opens the window; false when the video mode cannot be set.
bool openWindow();
// The window was resized to `width`: wider than 640 means full screen. False
// when not even a plain window could be set again, and there is no screen left.
bool resizeWindow(int width);
// The message for a video mode that cannot be set, on standard output.
void reportVideoModeFailure();
