#include "text/ScreenLabels.h"

#include <string>

#include "player/Player.h"
#include "state/GameState.h"

TextLabel loadingLabel;
TextLabel rulesLabel;
TextLabel victoryLabels[kVictoryLineCount];
TextLabel missedTableLabel;

namespace {
const int kLineSize = 20;     // points
const int kLoadingSize = 18;  // points: it shares a line of the sign with "1 Play"
const SDL_Color kLilac = {213, 187, 234, 0};
const SDL_Color kDarkRed = {138, 42, 28, 0};                     // on the title's light wooden sign
const int kVictoryX = 330, kVictoryY = 190, kVictoryStepY = 50;  // px, on the picture's dark panel
const int kLoadingX = 512, kLoadingY = 205;                      // px, right of "1 Play" on the title's sign
const int kRulesX = 198, kRulesY = 444;    // px, right of key 8 on the title's small board
const SDL_Color kInk = {58, 36, 24, 0};    // the sign's lettering
const int kMissedX = 236, kMissedY = 386;  // px, under the list's panel

std::string withNumber(const char* label, int n) { return label + std::to_string(n); }
}  // namespace

void buildLoadingLine() {
  renderLabel(loadingLabel, "Loading...", kLoadingX, kLoadingY, kLoadingSize, kDarkRed);
}

void buildRulesLine() {
  // Wild in the thorns' red, so the choice reads at a glance.
  renderLabel(rulesLabel, wildRules ? "Wild rules" : "Classic rules", kRulesX, kRulesY, kLineSize,
              wildRules ? kDarkRed : kInk);
}

void buildVictoryLines() {
  const std::string texts[kVictoryLineCount] = {withNumber("Final score: ", player.getScore()),
                                                withNumber("Nuts collected: ", player.getNuts() + nutsSpent),
                                                withNumber("Animals saved: ", player.getAnimals())};
  for (int i = 0; i < kVictoryLineCount; ++i)
    renderLabel(victoryLabels[i], texts[i], kVictoryX, kVictoryY + kVictoryStepY * i, kLineSize, kLilac);
}

void buildMissedTableLine(bool missed) {
  renderLabel(missedTableLabel, missed ? "Your score did not make the table" : "", kMissedX, kMissedY,
              kLineSize, kLilac);
}
