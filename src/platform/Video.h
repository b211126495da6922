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
// True when `event` tells that the window's focus or visibility changed, with
// `gone` set when it was lost. The desktop's SDL tells with an active event, the
// browser's with a window event (the page lost the focus or was hidden).
bool focusNews(const SDL_Event& event, bool& gone);
// The message for a video mode that cannot be set, on standard output.
void reportVideoModeFailure();
