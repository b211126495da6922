#include "shell/Startup.h"

#include <SDL/SDL.h>
#include <SDL/SDL_ttf.h>

#include <cstdlib>
#include <ctime>

#include "audio/Audio.h"
#include "extras/Extra.h"
#include "goblins/Goblin.h"
#include "level/LevelBuild.h"
#include "platform/Clock.h"
#include "platform/Message.h"
#include "platform/StopRequest.h"
#include "platform/WaitWork.h"
#include "platform/Video.h"
#include "player/Player.h"
#include "scores/HighScores.h"
#include "shell/GameFlow.h"
#include "shell/Gamepad.h"
#include "shell/Screens.h"
#include "shell/Shop.h"

namespace {
const char* kCaption = "Thornwald";

void seedRandom() {
  // Wall-clock seconds times SDL milliseconds, read in that order.
  unsigned long long seconds = static_cast<unsigned long long>(std::time(nullptr));
  std::srand(static_cast<unsigned>(seconds * nowMs()));
}
}  // namespace

int startUp(void (*whileWaiting)()) {
  if (SDL_Init(kSdlSystems) < 0) {
    printMessage("Couldn't initialize SDL: %s\n", SDL_GetError());
    printError("Couldn't initialize SDL: %s\n", SDL_GetError());
    return -1;
  }
  if (!openWindow()) {
    reportVideoModeFailure();
    return -2;
  }
  SDL_WM_SetCaption(kCaption, kCaption);
  TTF_Init();
  SDL_EnableKeyRepeat(0, 0);
  gamepad.open();
  // Another game may hold the score files' lock for a while; the window is open
  // and the player may type meanwhile.
  waitWork.set(whileWaiting);
  loadScores();
  saveScores();
  waitWork.set(nullptr);
  renderScores();
  GameState = Title;
  lastFrameTick = 0;
  openAudio();
  SDL_ShowCursor(SDL_DISABLE);
  seedRandom();
  loadScreenImages();
  rememberFullRacks();
  player.look.loadSounds();
  for (int i = 0; i < kGoblinCount; ++i) goblins[i].spawn(i);
  for (int i = 0; i < kExtraCount; ++i) extras[i].place(i);
  levelBuild.prepare(0);  // the title shows while the first level is painted
  return 0;
}

void shutdown(int status) {
  requestStop();        // the painter stops at its next row instead of painting on
  levelBuild.finish();  // the painter uses SDL: it must be done before SDL_Quit
  if (ScreenSurface) SDL_FreeSurface(ScreenSurface);
  gamepad.close();
  TTF_Quit();
  SDL_Quit();
  std::exit(status);
}
