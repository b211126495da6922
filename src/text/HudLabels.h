#pragma once
#include <cstdint>
#include <string>

#include "text/TextLabel.h"

const int kStatsLineCount = 6;  // the classic rules show the first five

extern TextLabel nameLabel;
extern TextLabel statusLabel;
extern TextLabel livesFlashLabel;
extern TextLabel shopStatusLabel;
extern TextLabel armourPromptLabel;
extern TextLabel weaponPromptLabel;
extern TextLabel statsLabels[kStatsLineCount];
extern std::string statsTexts[kStatsLineCount];

// Each builder reads the values it shows and renders its label(s); the screens
// call them on every frame, so the texts always show that frame's values. Those that
// show time take the pass's game time `now`.
void buildStatusLine(uint32_t now);
// "Lifes: N" in a bright colour over the status line's own, in the lit periods of the
// flash after a lost life; empty otherwise.
void buildLivesFlash(uint32_t now);
void buildShopStatusLine();
void buildWeaponPrompt();
void buildArmourPrompt();
void buildLevelStats();
void buildNameLabel();
