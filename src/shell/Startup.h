#pragma once

// Runs the start-up sequence up to the main loop. Returns 0 when the game is
// ready, -1 when SDL cannot start, -2 when the video mode cannot be set.
// Without an audio device the process ends here with status 1. `whileWaiting`
// runs now and then while start-up waits for the score files' lock.
int startUp(void (*whileWaiting)() = nullptr);

// Ends the process with `status`, closing the libraries first.
[[noreturn]] void shutdown(int status);
