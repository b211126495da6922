#pragma once

const int kScreenWidth = 640;   // px
const int kScreenHeight = 480;  // px
const int kScreenBits = 24;

// Opens the window; false when the video mode cannot be set.
bool openWindow();
// The window was resized to `width`: wider than 640 means full screen.
void resizeWindow(int width);
