#pragma once
// What each column of the tile sheets holds (their sizes are in platform/Layout.h).
// Every level's row uses the same meaning, so the maps read alike; the letter in a map is 'a' + column.
//
// Solid (opaque, dark in the collision sheet):
//   a ground top      b earth fill        c ground top, left end   d ground top, right end
//   e earth, left face f earth, right face g earth underside       h rock
//   i rock top        j brick wall        k deck, left end          l deck, middle
//   m deck, right end n crate             o tree trunk              p leafy canopy
//   q single block (ground on all four sides)
// Partly solid:
//   r low plank: only a plank in the lower half of the cell is solid
// Decoration (visible, passable, white in the collision sheet):
//   s grass tuft  t flowers  u mushrooms  v bush  w hanging vines  x signpost  y lantern
// Column 25 ('.' or any character outside 'a'..'y' in a map) is air: see-through,
// except in the rows of the caves and the night, which paint their backdrop
// behind every cell (see TileMood::hidesSky).
#include "platform/Layout.h"

namespace tile {

enum Column {
  kGroundTop,
  kEarth,
  kGroundLeftEnd,
  kGroundRightEnd,
  kEarthLeftFace,
  kEarthRightFace,
  kEarthUnderside,
  kRock,
  kRockTop,
  kBrick,
  kDeckLeftEnd,
  kDeckMiddle,
  kDeckRightEnd,
  kCrate,
  kTrunk,
  kCanopy,
  kSingleBlock,
  kLowPlank,
  kGrassTuft,
  kFlowers,
  kMushrooms,
  kBush,
  kVines,
  kSignpost,
  kLantern,
};
static_assert(kLantern + 1 == kAir, "air is the column after the last tile");

// The low plank's solid part starts this far below the top of its cell, so a
// hero standing on it is 24 px lower than on a full tile and reaches what sits
// in the cell above.
constexpr int kLowPlankTop = 26;  // px

constexpr bool isSolid(int column) { return column >= kGroundTop && column <= kSingleBlock; }
constexpr bool isDecoration(int column) { return column >= kGrassTuft && column <= kLantern; }

}  // namespace tile
