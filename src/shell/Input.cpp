#include "shell/Input.h"

#include "platform/StopRequest.h"
#include "platform/Video.h"
#include "shell/Commands.h"
#include "shell/Controls.h"
#include "shell/Gamepad.h"
#include "shell/Startup.h"

namespace {
bool isLetter(SDLKey key) { return key >= SDLK_a && key <= SDLK_z; }

// False when the key ends the game.
bool keyDown(SDLKey key) {
  Action action = actionOf(Source::Key, key);
  if (action == Action::Quit) return false;
  // A letter types itself when its action, if any, is not taken.
  const char letter = isLetter(key) ? static_cast<char>('A' + (key - SDLK_a)) : 0;
  commands.add({action, true, letter});
  return true;
}
}  // namespace

bool handleEvents() {
  if (stopRequested()) return false;  // SIGTERM or SIGINT: as if the window closed
  SDL_Event event;
  // Whoever leaves the window (focus lost, minimised) finds the game waiting. X
  // hands the focus over as a loss and a gain at once: only a loss left standing counts.
  bool focusGone = false;
  gamepad.lookForLatePad();
  while (SDL_PollEvent(&event)) {
    bool gone = false;
    if (focusNews(event, gone)) focusGone = gone;
    switch (event.type) {
      case SDL_KEYDOWN:
        if (!keyDown(event.key.keysym.sym)) return false;
        break;
      case SDL_KEYUP: releaseAction(actionOf(Source::Key, event.key.keysym.sym)); break;
      case SDL_QUIT: return false;
      case SDL_VIDEORESIZE:
        // Without a screen there is nothing to play on.
        if (!resizeWindow(event.resize.w)) {
          reportVideoModeFailure();
          shutdown(-2);
        }
        break;
      case SDL_JOYAXISMOTION:
      case SDL_JOYHATMOTION:
      case SDL_JOYBUTTONDOWN:
      case SDL_JOYBUTTONUP: gamepad.handle(event); break;
      default: break;
    }
  }
  if (focusGone) pressAction(Action::LoseFocus);
  return true;
}

void handleEventsWhileWaiting() {
  if (!handleEvents()) requestStop();
}
