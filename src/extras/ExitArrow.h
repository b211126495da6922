#pragma once
#include <SDL/SDL.h>

// Under the wild rules, while the exit lies out of view an arrow at the screen's edge
// points toward it, so a new player knows which way the level goes on.
class ExitArrow {
 public:
  // Draws the arrow for a view whose corner is (viewX, viewY) in level px, the play
  // showing below `topPx` of the screen; nothing when the exit is in view.
  void draw(SDL_Surface* screen, float viewX, float viewY, int topPx) const;
};

extern ExitArrow exitArrow;
