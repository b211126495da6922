#pragma once
#include <SDL/SDL.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "level/CollisionMap.h"
#include "level/LevelPainting.h"
#include "platform/Layout.h"

const uint32_t kLevelTimeMs = 60000;  // a level's clock, unless the wild rules give it its own

// One level: painted from its text map into a picture that scrolls behind the
// action and a collision map that decides what is solid. Only the level that is
// played, or played next, is painted (see LevelBuild).
class Level {
 public:
  Level();
  ~Level();
  Level(const Level&) = delete;
  Level& operator=(const Level&) = delete;

  // Makes the level picture a fresh copy of the background and paints level n
  // into it and into the collision map.
  void paint(int n);
  // The same in steps: starts painting level n, then paints the next `rows`
  // pixel rows at each call, true once the level is painted.
  void startPaint(int n);
  bool paintRows(int rows);
  // Frees the picture and the map; nothing may draw or probe the level until it is painted again.
  void unpaint();
  // Reads "level<n>.txt" and paints its tiles (row n of both sheets): the visible
  // ones into the level picture, the collision ones over the background into the map.
  void load(int n);
  const CollisionMap& getCollisionMap() const { return collision; }
  // The level clock starts its clockMs at game time `now`.
  void restartTimer(uint32_t now);
  // Milliseconds left on the level clock at game time `now`; 0 once its time is up.
  uint32_t timeLeftMs(uint32_t now) const;
  // Draws the 640 x 480 view whose top-left corner is (vx, vy) in level pixels.
  void draw(SDL_Surface* screen, float vx, float vy);
  bool isSolid(int x, int y) const;

  SDL_Surface* tiles = nullptr;
  SDL_Surface* collisionTiles = nullptr;
  SDL_Surface* background = nullptr;  // taken when first painted; shared, never painted on
  SDL_Surface* levelImage = nullptr;
  CollisionMap collision;
  uint32_t startTick = 0;
  uint32_t clockMs = kLevelTimeMs;  // the classic 60 s, or under the wild rules the level's own

  // Which rows of levelImage are fully opaque, and for which picture that was
  // worked out: those rows are copied to the screen instead of blended.
  std::vector<bool> opaqueRow;
  const SDL_Surface* opaqueRowOf = nullptr;
  // The painting under way, if any.
  std::unique_ptr<LevelPainting> painting;
};

extern Level levels[kLevelCount];
