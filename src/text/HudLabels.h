#pragma once
#include <string>

#include "text/TextLabel.h"

const int kStatsLineCount = 5;

extern TextLabel nameLabel;
extern TextLabel statusLabel;
extern TextLabel shopStatusLabel;
extern TextLabel armourPromptLabel;
extern TextLabel weaponPromptLabel;
extern TextLabel statsLabels[kStatsLineCount];
extern std::string statsTexts[kStatsLineCount];

// Each builder reads the values it shows and renders its label(s); the screens
// call them on every frame, so the texts always show that frame's values.
void buildStatusLine();
void buildShopStatusLine();
void buildWeaponPrompt();
void buildArmourPrompt();
void buildLevelStats();
void buildNameLabel();
