#pragma once
#include "text/TextLabel.h"

const int kVictoryLineCount = 3;

extern TextLabel loadingLabel;
extern TextLabel rulesLabel;
extern TextLabel victoryLabels[kVictoryLineCount];
extern TextLabel missedTableLabel;

// The live lines of the title, the victory screen and the high-score list; like
// the other builders, each runs on every frame of its screen.
void buildLoadingLine();
// The rules the next game plays by, beside key 8 on the title's small board.
void buildRulesLine();
// The final score, the nuts and the animals of a finished game.
void buildVictoryLines();
// The line under the list: says so when the game just ended did not make the
// table, and is empty otherwise.
void buildMissedTableLine(bool missed);
