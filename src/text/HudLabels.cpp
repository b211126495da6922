#include "text/HudLabels.h"

#include <sstream>

#include "level/Level.h"
#include "player/Player.h"
#include "shell/GameState.h"

namespace {
const int kHudSize = 20;   // points
const int kNameSize = 40;  // points
const SDL_Color kLilac = {213, 187, 234, 0};
const SDL_Color kWhite = {255, 255, 255, 0};
const SDL_Color kFlashRed = {255, 80, 64, 0};  // the thorns' red tips
const int kPromptX = 200;
const int kStatsY = 130, kStatsStepY = 50;  // px

// "Lifes: 2  Score: 150  Nuts: 12  Animals: 3  Level: 1", shared by play and shop.
std::string counters() {
  std::ostringstream s;
  s << "Lifes: " << player.getLives() << "  Score: " << player.getScore() << "  Nuts: " << player.getNuts()
    << "  Animals: " << player.getAnimals() << "  Level: " << levelIndex;
  return s.str();
}

std::string withNumber(const char* label, int n) {
  std::ostringstream s;
  s << label << n;
  return s.str();
}
}  // namespace

void buildStatusLine(uint32_t now) {
  int seconds = static_cast<int>(levels[levelIndex].timeLeftMs(now) * 0.001);
  renderOutlinedLabel(statusLabel, counters() + withNumber("  Time: ", seconds), 10, 10, kHudSize, kLilac);
}

void buildLivesFlash(uint32_t now) {
  // The same text at the same place covers the status line's lives glyph for glyph.
  std::string text = blinkDark(player.lifeFlash, player.lifeLostTick, now) ? withNumber("Lifes: ", player.getLives()) : "";
  renderLabel(livesFlashLabel, text, 10, 10, kHudSize, kFlashRed);
}

void buildShopStatusLine() { renderOutlinedLabel(shopStatusLabel, counters(), 10, 10, kHudSize, kLilac); }

void buildWeaponPrompt() {
  renderOutlinedLabel(weaponPromptLabel, withNumber(" Upgrade Weapon?   Cost: ", weaponCost), kPromptX, 150,
                      kHudSize, kLilac);
}

void buildArmourPrompt() {
  renderOutlinedLabel(armourPromptLabel, withNumber(" Upgrade Armour?   Cost: ", armourCost), kPromptX, 100,
                      kHudSize, kLilac);
}

void buildLevelStats() {
  int bonus = timeBonus();
  statsTexts[0] = withNumber(" You have finished level ", levelIndex);
  statsTexts[1] = withNumber(" Nuts collected: ", player.getNuts());
  statsTexts[2] = withNumber(" Animals saved: ", player.getAnimals());
  statsTexts[3] = withNumber(" Time bonus (seconds multiplied by 3): ", bonus);
  statsTexts[4] = withNumber(" Score: ", player.getNuts() + bonus);
  for (int i = 0; i < kStatsLineCount; ++i)
    renderLabel(statsLabels[i], statsTexts[i], kPromptX, kStatsY + kStatsStepY * i, kHudSize, kLilac);
}

void buildNameLabel() { renderLabel(nameLabel, playerName, 270, 200, kNameSize, kWhite); }
