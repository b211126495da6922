#include "shell/Input.h"

#include <cstdio>

#include "level/Level.h"
#include "platform/Clock.h"
#include "platform/StopRequest.h"
#include "platform/Video.h"
#include "player/Player.h"
#include "shell/Actions.h"
#include "shell/GameFlow.h"
#include "shell/Gamepad.h"
#include "shell/PauseScreen.h"
#include "shell/Startup.h"

namespace {
bool isLetter(SDLKey key) { return key >= SDLK_a && key <= SDLK_z; }

void typeLetter(SDLKey key) {
  // z also types during a delay; z during play crouches instead.
  if (key == SDLK_z) {
    if (GameState == Playing) {
      player.crouch();
      return;
    }
  } else if (nameDelay != 0) {
    return;
  }
  playerName.push_back(static_cast<char>('A' + (key - SDLK_a)));
  nameDelay = kNameDelayMs;
}

void menuKey(SDLKey key) {
  switch (key) {
    case SDLK_1: startOrLeaveForTitle(); break;
    case SDLK_2: if (GameState == Title) GameState = Instructions; break;
    case SDLK_3: if (GameState == Title) GameState = Story; break;
    case SDLK_4: if (GameState == Title) GameState = About; break;
    case SDLK_5: if (GameState == Title) GameState = Scores; break;
    case SDLK_6: if (GameState == Playing) GameState = Shop; break;
    case SDLK_7: startNameEntry(); break;
    default: break;
  }
}

// While paused only quitting, the title (1) and the name entry (7) still work;
// the last two leave the paused screen, so the pause ends.
bool ignoredWhilePaused(SDLKey key) {
  if (!pauseScreen.active() || key == SDLK_ESCAPE) return false;
  if (key != SDLK_1 && key != SDLK_7) return true;
  pauseScreen.resume();
  return false;
}

// False when the key ends the game.
bool keyDown(SDLKey key) {
  // p pauses play and the shop instead of being typed; elsewhere it is a letter.
  if ((key == SDLK_p || key == SDLK_PAUSE) && pauseScreen.toggle()) return true;
  if (ignoredWhilePaused(key)) return true;
  switch (key) {
    case SDLK_ESCAPE: return false;
    case SDLK_SPACE:
    case SDLK_UP: actionKey(); break;
    case SDLK_DOWN: player.dropDown(nowMs()); break;
    case SDLK_RIGHT: player.runRight(); break;
    case SDLK_LEFT: player.runLeft(); break;
    case SDLK_LSHIFT: player.attack(); break;
    case SDLK_LCTRL: player.consumeWeapon(); break;
    default:
      if (isLetter(key)) {
        typeLetter(key);
      } else {
        menuKey(key);
      }
      break;
  }
  return true;
}

void keyUp(SDLKey key) {
  switch (key) {
    case SDLK_z: player.standUp(); break;
    case SDLK_RIGHT: player.releaseRight(nowMs()); break;
    case SDLK_LEFT: player.releaseLeft(nowMs()); break;
    case SDLK_LSHIFT: player.stopAttack(); break;
    default: break;
  }
}
}  // namespace

bool handleEvents() {
  if (stopRequested()) return false;  // SIGTERM or SIGINT: as if the window closed
  SDL_Event event;
  // Whoever leaves the window (focus lost, minimised) finds the game waiting. X
  // hands the focus over as a loss and a gain at once: only a loss left standing counts.
  bool focusGone = false;
  while (SDL_PollEvent(&event)) {
    switch (event.type) {
      case SDL_KEYDOWN:
        if (!keyDown(event.key.keysym.sym)) return false;
        break;
      case SDL_KEYUP: keyUp(event.key.keysym.sym); break;
      case SDL_QUIT: return false;
      case SDL_ACTIVEEVENT:
        if (event.active.state & (SDL_APPINPUTFOCUS | SDL_APPACTIVE)) focusGone = !event.active.gain;
        break;
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
  if (focusGone) pauseScreen.pause();
  return true;
}
