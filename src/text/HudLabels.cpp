#include "text/HudLabels.h"

#include <sstream>

#include "level/Level.h"
#include "player/Player.h"
#include "state/GameState.h"
#include "state/Rules.h"

namespace {
const int kHudSize = 20;         // points
const int kNameSize = 40;        // points
const SDL_Color kLilac = {213, 187, 234, 0};
const SDL_Color kWhite = {255, 255, 255, 0};
const SDL_Color kFlashRed = {255, 80, 64, 0};  // the thorns' red tips
const int kPromptX = 200;
const int kStatsY = 130;  // px: the first line, on the statistics picture's panel

// "Lifes: 2  Score: 150  Nuts: 12  Animals: 3  Level: 1", shared by play and shop; under
// the wild rules, where bites and thorns cost it, the health follows the lives.
std::string counters() {
  std::ostringstream s;
  s << "Lifes: " << player.getLives();
  if (rules().showsHealth) s << "  Health: " << player.getHealth();
  s << "  Score: " << player.getScore() << "  Nuts: " << player.getNuts()
    << "  Animals: " << player.getAnimals() << "  Level: " << levelIndex;
  return s.str();
}

int statusSize() { return rules().statusPoints; }

std::string withNumber(const char* label, int n) {
  std::ostringstream s;
  s << label << n;
  return s.str();
}

// "Animals saved: 3 x 10 = 30": a deed's count, its points each and their product.
std::string pointsLine(const char* label, int count, int each) {
  std::ostringstream s;
  s << label << count << " x " << each << " = " << count * each;
  return s.str();
}

void classicStats(int bonus) {
  statsTexts[1] = withNumber(" Nuts collected: ", player.getNuts());
  statsTexts[2] = withNumber(" Animals saved: ", player.getAnimals());
  statsTexts[3] = withNumber(" Time bonus (seconds multiplied by 3): ", bonus);
  // The level's own tally, nuts and bonus; the game's score takes the bonus only
  // when the hero walks out of the shop.
  statsTexts[4] = withNumber(" Score: ", player.getNuts() + bonus);
  statsTexts[5].clear();
}

// The level's deeds and what they earned, then the game's score, the bonus paid.
void wildStats(int bonus) {
  const LevelTally& t = player.belongings.tally;
  statsTexts[1] = pointsLine(" Nuts collected: ", t.nuts, Belongings::pointsFor(Deed::Nut));
  statsTexts[2] = pointsLine(" Animals saved: ", t.animals, Belongings::pointsFor(Deed::Animal));
  statsTexts[3] = pointsLine(" Goblins knocked out: ", t.knockouts, Belongings::pointsFor(Deed::Knockout));
  statsTexts[4] = withNumber(" Time bonus (seconds multiplied by 3): ", bonus);
  statsTexts[5] = withNumber(" Score: ", player.getScore());
}
}  // namespace

void buildStatusLine(uint32_t now) {
  int seconds = static_cast<int>(levels[levelIndex].timeLeftMs(now) * 0.001);
  renderOutlinedLabel(statusLabel, counters() + withNumber("  Time: ", seconds), 10, 10, statusSize(),
                      kLilac);
}

void buildLivesFlash(uint32_t now) {
  // The same text at the same place covers the status line's lives glyph for glyph.
  std::string text =
      blinkDark(player.lifeFlash, player.lifeLostTick, now) ? withNumber("Lifes: ", player.getLives()) : "";
  renderLabel(livesFlashLabel, text, 10, 10, statusSize(), kFlashRed);
}

void buildShopStatusLine() { renderOutlinedLabel(shopStatusLabel, counters(), 10, 10, statusSize(), kLilac); }

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
  if (rules().scoresDeeds) {
    wildStats(bonus);
  } else {
    classicStats(bonus);
  }
  const Rules& r = rules();
  for (int i = 0; i < kStatsLineCount; ++i)
    renderLabel(statsLabels[i], statsTexts[i], r.statsX, kStatsY + r.statsStepY * i, kHudSize, kLilac);
}

void buildNameLabel() { renderLabel(nameLabel, playerName, 270, 200, kNameSize, kWhite); }
