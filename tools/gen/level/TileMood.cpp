#include "level/TileMood.h"

#include "platform/Layout.h"

namespace {

Tones tones(const char* base, const char* light, const char* shade) {
  return {hex(base), hex(light), hex(shade)};
}

TileMood meadow() {
  TileMood m;
  m.surface = tones("#7cbc4e", "#a8d86a", "#4f8a3c");
  m.earth = tones("#8a6040", "#a77a52", "#654330");
  m.rock = tones("#9ba3a6", "#c4cacc", "#6d7275");
  m.brick = tones("#b9a58a", "#d6c4a6", "#8a765e");
  m.wood = tones("#b47c48", "#d49a62", "#7a5538");
  m.bark = tones("#7a5538", "#9a7250", "#4a3326");
  m.leaf = tones("#5f9e45", "#8cc063", "#2f5d34");
  m.outline = hex("#3a281c");
  m.bloomA = hex("#e8a33d");
  m.bloomB = hex("#f6eef4");
  m.bloomCentre = hex("#e8c03d");
  m.cap = hex("#c8452c");
  m.glow = hex("#ffd27a");
  m.style = DecorStyle::Meadow;
  return m;
}

TileMood deepWood() {
  TileMood m;
  m.surface = tones("#3f7a3a", "#5f9a48", "#2a4f2a");
  m.earth = tones("#4f3a2a", "#654a36", "#33251b");
  m.rock = tones("#6a776c", "#8a978a", "#48534a");
  m.brick = tones("#6e6a5e", "#8a8676", "#4c493f");
  m.wood = tones("#7a5538", "#98704a", "#4a3326");
  m.bark = tones("#4a3326", "#654a36", "#2e2018");
  m.leaf = tones("#2f5d34", "#4f8a3c", "#1d3d22");
  m.outline = hex("#1f1a12");
  m.bloomA = hex("#d8e0a0");
  m.bloomB = hex("#8fb4e8");
  m.bloomCentre = hex("#f0e070");
  m.cap = hex("#b8703a");
  m.glow = hex("#f0d070");
  m.style = DecorStyle::Wood;
  return m;
}

TileMood autumnHills() {
  TileMood m;
  m.surface = tones("#d09a3c", "#ecc062", "#a0642a");
  m.earth = tones("#8a4a2e", "#a8623c", "#5e301e");
  m.rock = tones("#8f847a", "#b0a699", "#675d55");
  m.brick = tones("#a8745a", "#c8926e", "#7a4e3a");
  m.wood = tones("#9a5e34", "#bc7a48", "#6a3c22");
  m.bark = tones("#5e3a26", "#7a5036", "#3e2418");
  m.leaf = tones("#c8552c", "#e8843d", "#8a2c1c");
  m.outline = hex("#3a1c12");
  m.bloomA = hex("#e8c03d");
  m.bloomB = hex("#b04a8a");
  m.bloomCentre = hex("#6a3c22");
  m.cap = hex("#8a5a9a");
  m.glow = hex("#ffb84a");
  m.style = DecorStyle::Autumn;
  return m;
}

TileMood duskCaves() {
  TileMood m;
  m.surface = tones("#5e8a8a", "#7fb0a8", "#3e6066");
  m.earth = tones("#4a4058", "#5e5270", "#302a3e");
  m.rock = tones("#6a6280", "#8a82a0", "#48405c");
  m.brick = tones("#5c5470", "#766e8c", "#3e3850");
  m.wood = tones("#6b4a3a", "#8a6450", "#47301f");
  m.bark = tones("#4a3a3a", "#5e4a48", "#2e2424");
  m.leaf = tones("#3e6a5e", "#5e8a70", "#264a40");
  m.outline = hex("#1d1a2e");
  m.bloomA = hex("#9ad8f0");
  m.bloomB = hex("#c8a0f0");
  m.bloomCentre = hex("#eef8ff");
  m.cap = hex("#6ad0c0");
  m.glow = hex("#ffc860");
  m.style = DecorStyle::Cave;
  m.hidesSky = true;
  m.backdrop = tones("#28223a", "#2e2842", "#211c30");
  return m;
}

TileMood nightSnow() {
  TileMood m;
  m.surface = tones("#e4eef8", "#fbfdff", "#a8bcd4");
  m.earth = tones("#34405e", "#46557a", "#1d2a4a");
  m.rock = tones("#6e7c98", "#92a0bc", "#4a5670");
  m.brick = tones("#5a6684", "#74809e", "#3c4660");
  m.wood = tones("#5e4a48", "#7a6260", "#3c2e2e");
  m.bark = tones("#3e3438", "#54484c", "#262024");
  m.leaf = tones("#2a4a48", "#3e6660", "#18302e");
  m.outline = hex("#141c34");
  m.bloomA = hex("#d8e8ff");
  m.bloomB = hex("#a8c8f0");
  m.bloomCentre = hex("#f0f0a0");
  m.cap = hex("#c8452c");
  m.glow = hex("#ffd27a");
  m.style = DecorStyle::Snow;
  m.hidesSky = true;
  m.backdrop = tones("#1d2a4a", "#c8d8f4", "#182340");
  return m;
}

}  // namespace

const TileMood& tileMood(int level) {
  static const TileMood moods[] = {meadow(), deepWood(), autumnHills(), duskCaves(), nightSnow()};
  static_assert(sizeof moods / sizeof moods[0] == kLevelCount, "a mood for every level");
  return moods[level];
}
