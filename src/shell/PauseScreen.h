#pragma once
#include <SDL/SDL.h>

#include "text/TextLabel.h"

// The pause of play and of the shop: game time stands still (the clock seam) and
// the screen shows the last picture, dimmed, with "Paused" over it.
class PauseScreen {
 public:
  PauseScreen() = default;
  PauseScreen(const PauseScreen&) = delete;
  PauseScreen& operator=(const PauseScreen&) = delete;

  bool active() const { return on; }
  // P, the Pause key and the pad's Back: pauses play or the shop, or goes on.
  // False when there is nothing to pause here (the key then does what it did before).
  bool toggle();
  // Pauses play or the shop; elsewhere, or when already paused, nothing.
  void pause();
  void resume();
  // The pass while paused: the frozen picture and the word.
  void draw();

 private:
  void freezeScreen();

  bool on = false;
  SDL_Surface* frozen = nullptr;
  TextLabel label;
  TextLabel hint;  // the page's "how to go on"
};

extern PauseScreen pauseScreen;
