#pragma once
// The colours of one level's tile row. Each shape gets a base, a light and a
// shade tone; the decorations change kind with the mood (flowers become
// crystals in the caves, vines become icicles in the snow).
#include "kit/Paint.h"

struct Tones {
  Rgb base, light, shade;
};

enum class DecorStyle { Meadow, Wood, Autumn, Cave, Snow };

struct TileMood {
  Tones surface;  // grass, moss or snow on top of the ground
  Tones earth;
  Tones rock;
  Tones brick;
  Tones wood;
  Tones bark;
  Tones leaf;
  Rgb outline;  // deep edge line, never pure black
  Rgb bloomA, bloomB, bloomCentre;
  Rgb cap;   // mushroom caps
  Rgb glow;  // lantern light
  DecorStyle style;
  // The caves and the night must not show the daytime sky of the shared
  // background, so their rows paint a backdrop (cave wall, night sky) behind
  // every cell, air included.
  bool hidesSky = false;
  Tones backdrop = {};
};

// Level 0 morning meadow, 1 deep green wood, 2 autumn thorn hills, 3 dusk caves, 4 night snow.
const TileMood& tileMood(int level);
