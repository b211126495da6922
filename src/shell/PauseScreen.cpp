#include "shell/PauseScreen.h"

#include "audio/Audio.h"
#include "platform/Blit.h"
#include "platform/Clock.h"
#include "platform/Image.h"
#include "platform/Video.h"
#include "shell/GameFlow.h"

namespace {
const int kPausedSize = 48;  // points
const SDL_Color kPausedColour = {255, 255, 255, 0};
const int kPausedY = 120;     // px: above the hero, who stands at y 215
const Uint8 kDimAlpha = 150;  // of 255: how dark the veil over the frozen picture is
#ifdef __EMSCRIPTEN__
// The page's pause comes mostly from a lost focus: it says how to go on (the page
// hands a click on the canvas to the game as P).
const char* const kHint = "Press P or click to play on";
const int kHintSize = 20;  // points
const int kHintY = 190;    // px: under the word
#endif

bool pausable() { return GameState == Playing || GameState == Shop; }

// Darkens the whole picture, so the word reads over any sky, cloud or snow. The
// veil has the picture's format: its alpha is in its pixels where the format has
// alpha (the browser's), else the surface's own.
void dim(SDL_Surface* picture) {
  SDL_Surface* veil = privateBlank(picture);
  if (!veil) return;
  fillArea(veil, nullptr, SDL_MapRGBA(veil->format, 0, 0, 0, kDimAlpha));
  SDL_SetAlpha(veil, SDL_SRCALPHA, kDimAlpha);
  blit(veil, nullptr, picture, nullptr);
  freeImage(veil);
}
}  // namespace

PauseScreen pauseScreen;

bool PauseScreen::toggle() {
  if (on) {
    resume();
    return true;
  }
  if (!pausable()) return false;
  pause();
  return true;
}

void PauseScreen::pause() {
  if (on || !pausable()) return;
  on = true;
  gameClock.pause();
  pauseEffects();
  freezeScreen();
}

void PauseScreen::resume() {
  if (!on) return;
  on = false;
  gameClock.resume();
  resumeEffects();
}

// The screen still holds the last pass's picture: events are handled after the flip.
void PauseScreen::freezeScreen() {
  freeImage(frozen);
  frozen = ScreenSurface ? privateRows(ScreenSurface, 0, ScreenSurface->h) : nullptr;
  if (frozen) dim(frozen);
}

void PauseScreen::draw() {
  if (frozen && ScreenSurface) blit(frozen, nullptr, ScreenSurface, nullptr);
  renderLabel(label, "Paused", 0, kPausedY, kPausedSize, kPausedColour);
  if (label.surface) label.rect.x = static_cast<Sint16>((kScreenWidth - label.surface->w) / 2);
  drawLabel(label, ScreenSurface);
#ifdef __EMSCRIPTEN__
  renderLabel(hint, kHint, 0, kHintY, kHintSize, kPausedColour);
  if (hint.surface) hint.rect.x = static_cast<Sint16>((kScreenWidth - hint.surface->w) / 2);
  drawLabel(hint, ScreenSurface);
#endif
}
