#pragma once
#include <cstddef>

// Runs the start-up sequence up to the main loop. Returns 0 when the game is
// ready, -1 when SDL cannot start, -2 when the video mode cannot be set.
// Without an audio device the process ends here with status 1. `whileWaiting`
// runs now and then while start-up waits for the score files' lock.
int startUp(void (*whileWaiting)() = nullptr);

// The first of start-up: SDL, the window, the font engine and the gamepad.
// Returns 0, -1 or -2 as startUp does.
int openScreen();

// The rest of start-up, a step at a time: the page takes a few a pass, so that
// it never stops for long, and shows how far it is.
class StartSteps {
 public:
  // Takes the next step; true when the game is ready. `whileWaiting` as for startUp.
  bool next(void (*whileWaiting)());
  // How much of start-up is done, 0 to 1.
  float share() const;
  // Shows the share as a bar across the screen.
  void draw() const;

 private:
  static const int kSteps = 7, kPictureStep = 3;
  int done = 0;
  size_t pictures = 0;  // to decode when their step began
};

// Ends the process with `status`, closing the libraries first.
[[noreturn]] void shutdown(int status);
