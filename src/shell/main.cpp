// Thornwald: start up, then run passes until the player quits.
#ifdef __EMSCRIPTEN__
#include <SDL/SDL_mixer.h>
#include <emscripten.h>
#include <sys/stat.h>

#include "audio/Audio.h"
#endif

#include "extras/Extra.h"
#include "level/Level.h"
#include "level/LevelBuild.h"
#include "platform/Clock.h"
#include "platform/Layout.h"
#include "platform/StandardFiles.h"
#include "platform/StopRequest.h"
#include "player/Player.h"
#include "shell/Commands.h"
#include "shell/Controls.h"
#include "shell/Input.h"
#include "shell/MainLoop.h"
#include "shell/PauseScreen.h"
#include "shell/Startup.h"
#include "state/GameState.h"

namespace {
// Before every global object: they decode pictures as they are built, and a
// signal then must not kill the game with its default action. The linker runs
// every constructor with a priority before all the plain ones, whatever the
// order of the objects and the library, so this is the game's first code to run;
// only the loading of the shared libraries comes before it, and the front
// (front.cpp) holds the signals back until then. Here and not in the library,
// so the tests keep the default one. Closed standard files are filled first, as
// the front does, for a game started without it.
[[gnu::constructor(101)]] void catchSignalsFirst() {
  fillStandardFiles();
  catchStopSignals();
}

void runOnePass() {
#ifdef __EMSCRIPTEN__
  // A page cannot close: Escape goes back to the title, as 1 does off the title.
  if (!runPass() && getGameState() != Title) pressAction(Action::Start);
#else
  if (!runPass()) shutdown(0);
#endif
}

#ifdef __EMSCRIPTEN__
StartSteps startSteps;
bool ready = false;      // start-up's steps are all done
bool soundOpen = false;  // see thornwaldOpenSound
bool started = false;    // and the game's passes have begun

bool inside(int x, int y, int left, int top, int width, int height) {
  return x >= left && x < left + width && y >= top && y < top + height;
}

// The key of the title's choice at (x, y), game px: a menu row or the rules board.
SDLKey titleChoiceAt(int x, int y) {
  using namespace titleMenu;
  const SDLKey rows[kRows] = {SDLK_1, SDLK_2, SDLK_3, SDLK_4, SDLK_5};
  for (int row = 0; row < kRows; ++row)
    if (inside(x, y, kX, kFirstRowY + row * kRowHeight, kWidth, kRowHeight)) return rows[row];
  if (inside(x, y, kRulesX, kRulesY, kRulesWidth, kRulesHeight)) return SDLK_8;
  return SDLK_UNKNOWN;
}

// A key pressed or let go by the page (a click, a tap): through the controls
// table and the command list, as the keyboard's.
void pageKey(SDLKey key, bool down) {
  const Action action = actionOf(Source::Key, key);
  if (down)
    pressAction(action);
  else
    releaseAction(action);
}
#endif
}  // namespace

#ifdef __EMSCRIPTEN__
// What the browser test reads from the page: the screen shown (-1 while the
// game starts) and where the hero stands.
extern "C" EMSCRIPTEN_KEEPALIVE int thornwaldScreen() { return started ? int(getGameState()) : -1; }
extern "C" EMSCRIPTEN_KEEPALIVE int thornwaldHeroX() { return int(player.getX()); }
extern "C" EMSCRIPTEN_KEEPALIVE int thornwaldHeroY() { return int(player.getY()); }
extern "C" EMSCRIPTEN_KEEPALIVE int thornwaldLevelReady(int n) { return levelBuild.ready(n); }

// A click or tap on the canvas at (x, y), game px: a paused game goes on, as P
// does; on the title a choice does what its key does. 1 when it did something.
extern "C" EMSCRIPTEN_KEEPALIVE int thornwaldClick(int x, int y) {
  const SDLKey key = pauseScreen.active()      ? keyFor(Action::Pause)
                     : getGameState() == Title ? titleChoiceAt(x, y)
                                               : SDLK_UNKNOWN;
  if (key == SDLK_UNKNOWN) return 0;
  pageKey(key, true);
  pageKey(key, false);
  return 1;
}

// The page's touch buttons, by their number on the page (data-button), and the
// key whose row of the controls table each plays: left, right, jump, drop,
// crouch, swing, trade, pause, and 1 (play on the title, else back to it).
extern "C" EMSCRIPTEN_KEEPALIVE void thornwaldTouch(int button, int down) {
  const SDLKey keys[] = {SDLK_LEFT,   SDLK_RIGHT, SDLK_UP, SDLK_DOWN, SDLK_z,
                         SDLK_LSHIFT, SDLK_LCTRL, SDLK_p,  SDLK_1};
  if (button >= 0 && button < int(sizeof keys / sizeof keys[0])) pageKey(keys[button], down != 0);
}

// A letter of the page's letter buttons (the name entry on a touch screen), typed
// as its key types it: its row of the controls table, then the letter if the
// row's action is not taken.
extern "C" EMSCRIPTEN_KEEPALIVE void thornwaldLetter(int letter) {
  if (letter < 'A' || letter > 'Z') return;
  const SDLKey key = static_cast<SDLKey>(SDLK_a + (letter - 'A'));
  commands.add({actionOf(Source::Key, key), true, static_cast<char>(letter)});
  pageKey(key, false);
}

// Opens the sound, at the player's first key or click on the page (see
// soundOpensAtStart); 1 once it is open.
extern "C" EMSCRIPTEN_KEEPALIVE int thornwaldOpenSound() {
  if (!soundOpen && ready) {
    openAudio();
    player.look.loadSounds();
    soundOpen = true;
  }
  return soundOpen;
}

// The page's sound switch: every channel silent, or at full volume (the page
// applies it again when the sound opens).
extern "C" EMSCRIPTEN_KEEPALIVE void thornwaldMute(int on) {
  if (soundOpen) Mix_Volume(-1, on ? 0 : MIX_MAX_VOLUME);
}

// Gives the hero a score, for the browser test's name entries (key 7) in two tabs at once.
extern "C" EMSCRIPTEN_KEEPALIVE void thornwaldSetScore(int score) { player.setScore(score); }

// Puts the hero in the middle of the level's exit, which the next pass takes: the
// browser test's tour of every screen walks no level.
extern "C" EMSCRIPTEN_KEEPALIVE void thornwaldWarpToExit() {
  for (const Extra& extra : extras)
    if (extra.type == LevelExit) {
      player.setX(extra.x + kExitCentre - kHeroScreenX);
      player.setY(extra.y + kExitCentre - kHeroScreenY);
    }
}

// What a pass does to paint level n, for the browser test to time pass by pass:
// called until the level is ready, it paints level n as the game would.
extern "C" EMSCRIPTEN_KEEPALIVE void thornwaldPrepare(int n) { levelBuild.prepare(n); }

// Half of the collision hash of level n (painted), the one the desktop's collision test checks.
extern "C" EMSCRIPTEN_KEEPALIVE unsigned thornwaldCollisionHash(int n, int high) {
  const uint64_t hash = levels[n].getCollisionMap().hash();
  return unsigned(high ? hash >> 32 : hash);
}
#endif

namespace {
// What start-up left to do: keys pressed while it ran.
void startPlaying() {
  if (!handleEvents()) shutdown(0);  // Escape, or a signal during start-up
  playCommandsNow();
#ifdef __EMSCRIPTEN__
  // The game has started: the page applies the player's mute.
  EM_ASM({
    if (Module['thornwaldStarted']) Module['thornwaldStarted']();
  });
#endif
}

#ifdef __EMSCRIPTEN__
// A start-up pass takes steps until this is spent: most take a few ms, and a
// frame's wait after each would add up.
const uint32_t kStartPassMs = 20;

// The page's pass, which the browser calls once a frame: steps of start-up
// behind its bar, then the game's passes.
void pagePass() {
  if (ready) {
    started = true;
    runOnePass();
    return;
  }
  const uint32_t from = nowMs();
  do ready = startSteps.next(handleEventsWhileWaiting);
  while (!ready && nowMs() - from < kStartPassMs);
  if (ready)
    startPlaying();
  else
    startSteps.draw();
}
#endif
}  // namespace

int main(int, char**) {
#ifdef __EMSCRIPTEN__
  // The browser's C library starts with a mask of 0777, which would save the
  // score files unreadable; 022 gives them 0644, as a desktop usually does.
  umask(022);
  if (int status = openScreen()) return status;
  startSteps.draw();
  // The page must return to the browser between passes: the browser calls the
  // pass once a frame, and main ends here without returning.
  emscripten_set_main_loop(pagePass, 0, 1);
#else
  if (int status = startUp(handleEventsWhileWaiting)) return status;
  startPlaying();
  for (;;) runOnePass();
#endif
}
