#include "shell/Startup.h"

#include <SDL/SDL.h>
#include <SDL/SDL_ttf.h>

#include <cstdlib>
#include <ctime>

#include "audio/Audio.h"
#include "extras/Extra.h"
#include "goblins/Goblin.h"
#include "level/LevelBuild.h"
#include "platform/Blit.h"
#include "platform/Clock.h"
#include "platform/Image.h"
#include "platform/LateDecoding.h"
#include "platform/Layout.h"
#include "platform/Message.h"
#include "platform/StopRequest.h"
#include "platform/Video.h"
#include "platform/WaitWork.h"
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

int openScreen() {
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
  return 0;
}

bool StartSteps::next(void (*whileWaiting)()) {
  switch (done) {
    case 0:
      // Another game may hold the score files' lock for a while; the window is
      // open and the player may type meanwhile.
      waitWork.set(whileWaiting);
      loadScores();
      saveScores();
      waitWork.set(nullptr);
      renderScores();
      GameState = Title;
      lastFrameTick = 0;
      break;
    case 1:
      if (soundOpensAtStart()) openAudio();
      SDL_ShowCursor(SDL_DISABLE);
      seedRandom();
      break;
    case 2:
      loadScreenImages();
      break;
    case kPictureStep:
      // The browser's pictures, handed out blank, one a step; they must all be
      // in before anything below reads them.
      if (!pictures) pictures = lateDecoding().waiting();
      if (decodeNextPicture()) return false;
      break;
    case 4:
      if (soundOpensAtStart()) player.look.loadSounds();
      break;
    case 5:
      rememberFullRacks();
      for (int i = 0; i < kGoblinCount; ++i) goblins[i].spawn(i);
      for (int i = 0; i < kExtraCount; ++i) extras[i].place(i);
      break;
    default:
      levelBuild.prepare(0);  // the title shows while the first level is painted
      return true;
  }
  ++done;
  return false;
}

float StartSteps::share() const {
  // The pictures' step counts as one for each picture.
  const size_t left = done == kPictureStep ? lateDecoding().waiting() : 0;
  const float steps = float(kSteps - 1 + pictures);
  const int stepsDone = done > kPictureStep ? done - 1 : done;
  return float(size_t(stepsDone) + (done >= kPictureStep ? pictures - left : 0)) / steps;
}

namespace {
// The bar that shows how far start-up is: the palette's night blue and leaf green.
const int kBarWidth = 320, kBarHeight = 12, kBarY = 300, kBarEdge = 2;  // px
const Uint8 kNight[3] = {0x1d, 0x2a, 0x4a}, kLeaf[3] = {0x8c, 0xc0, 0x63};

Uint32 mapped(SDL_Surface* screen, const Uint8 (&rgb)[3]) {
  return SDL_MapRGB(screen->format, rgb[0], rgb[1], rgb[2]);
}

SDL_Rect barRect(int inset, int width) {
  return {Sint16((kScreenWidth - kBarWidth) / 2 + inset), Sint16(kBarY + inset), Uint16(width),
          Uint16(kBarHeight - 2 * inset)};
}
}  // namespace

void StartSteps::draw() const {
  SDL_Surface* screen = ScreenSurface;
  if (!screen) return;
  fillArea(screen, nullptr, mapped(screen, kNight));
  SDL_Rect frame = barRect(0, kBarWidth), inside = barRect(kBarEdge, kBarWidth - 2 * kBarEdge);
  fillArea(screen, &frame, mapped(screen, kLeaf));
  fillArea(screen, &inside, mapped(screen, kNight));
  SDL_Rect filled = barRect(kBarEdge, int(float(kBarWidth - 2 * kBarEdge) * share()));
  fillArea(screen, &filled, mapped(screen, kLeaf));
  showScreen(screen);
}

int startUp(void (*whileWaiting)()) {
  const int status = openScreen();
  if (status != 0) return status;
  StartSteps steps;
  while (!steps.next(whileWaiting)) {
  }
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
