#pragma once
#include <SDL/SDL.h>

#include <cstdint>
#include <vector>

#include "platform/Layout.h"

const uint32_t kLevelTimeMs = 60000;  // each level's clock

// One level: painted from its text map into a picture that scrolls behind the
// action and a collision image whose pixels decide what is solid. Only the level
// that is played, or played next, is painted (see LevelBuild).
class Level {
 public:
  Level();
  ~Level();
  Level(const Level&) = delete;
  Level& operator=(const Level&) = delete;

  // Makes both pictures fresh copies of the background and paints level n into them.
  void paint(int n);
  // Frees both pictures; nothing may draw or probe the level until it is painted again.
  void unpaint();
  // Reads "level<n>.txt" and paints its tiles (row n of both sheets) into both images.
  void load(int n);
  SDL_Surface* getCollisionImage() const { return collisionImage; }
  // The level clock starts its 60 seconds at game time `now`.
  void restartTimer(uint32_t now);
  // Milliseconds left on the level clock at game time `now`; 0 once the 60 seconds are up.
  uint32_t timeLeftMs(uint32_t now) const;
  // Draws the 640 x 480 view whose top-left corner is (vx, vy) in level pixels.
  void draw(SDL_Surface* screen, float vx, float vy);
  bool isSolid(int x, int y) const;

  SDL_Surface* tiles = nullptr;
  SDL_Surface* collisionTiles = nullptr;
  SDL_Surface* background = nullptr;  // taken when first painted; shared, never painted on
  SDL_Surface* levelImage = nullptr;
  SDL_Surface* collisionImage = nullptr;
  uint32_t startTick = 0;

  // Which rows of levelImage are fully opaque, and for which picture that was
  // worked out: those rows are copied to the screen instead of blended.
  std::vector<bool> opaqueRow;
  const SDL_Surface* opaqueRowOf = nullptr;
};

extern Level levels[kLevelCount];
