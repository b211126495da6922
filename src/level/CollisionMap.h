#pragma once
#include <cstdint>
#include <vector>

struct SDL_Surface;

// Which pixels of a level, or of the shop, are solid: one bit a pixel, made from
// a collision picture by the solid rule (Pixels.h), so that the picture need not
// be kept and a probe needs no lock. Until it is made, the map has nothing solid.
class CollisionMap {
 public:
  // Makes the map w x h pixels with nothing solid yet.
  void reset(int w, int h);
  // Unmakes the map and gives its memory back.
  void clear();
  // Marks the map's rows from `top` on from the rows of `picture`, which is as wide as the map.
  void markRows(SDL_Surface* picture, int top);
  // Makes the map from the whole of `picture`; no picture leaves it unmade.
  void makeFrom(SDL_Surface* picture);
  // True when (x, y) is solid. A point outside a made map prints the first check it
  // fails (the messages of the old pixel reader) and is not solid; an unmade map says nothing.
  bool isSolid(int x, int y) const;
  int width() const { return w; }
  int height() const { return h; }
  // FNV-1a over the width and height (four bytes each, lowest first), then one
  // byte a pixel, 1 for solid, row after row: the same on every platform.
  uint64_t hash() const;

 private:
  int w = 0, h = 0;
  bool made = false;
  std::vector<uint8_t> bits;  // row after row, the lowest bit of a byte first
};
