// Thornwald: start up, then run passes until the player quits.
#include "platform/StopRequest.h"
#include "shell/Input.h"
#include "shell/MainLoop.h"
#include "shell/Startup.h"

namespace {
// Before every global object: they decode pictures as they are built, and a
// signal then must not kill the game with its default action. The linker runs
// every constructor with a priority before all the plain ones, whatever the
// order of the objects and the library, so this is the game's first code to run;
// only the loading of the shared libraries comes before it, and the front
// (front.cpp) holds the signals back until then. Here and not in the library,
// so the tests keep the default one.
[[gnu::constructor(101)]] void catchSignalsFirst() { catchStopSignals(); }
}  // namespace

int main(int, char**) {
  int status = startUp();
  if (status != 0) return status;
  if (!handleEvents()) shutdown(0);  // Escape, or a signal during start-up
  playCommandsNow();
  for (;;) {
    if (!runPass()) shutdown(0);
  }
}
