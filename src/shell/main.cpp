// Thornwald: start up, then run passes until the player quits.
#include "shell/Input.h"
#include "shell/MainLoop.h"
#include "shell/Startup.h"

int main(int, char**) {
  int status = startUp();
  if (status != 0) return status;
  if (!handleEvents()) shutdown(0);
  for (;;) {
    if (!runPass()) shutdown(0);
  }
}
