// Every long-lived game object, defined in one place so they are built in this
// order before main runs (each loads its own pictures as it is built).
#include "extras/Extra.h"
#include "goblins/Goblin.h"
#include "level/Level.h"
#include "level/LevelBuild.h"
#include "platform/PicturePrefetch.h"
#include "player/Player.h"
#include "scores/HighScores.h"
#include "shell/GameFlow.h"
#include "text/HudLabels.h"

// Must come first: the objects below find their pictures decoded or on the way.
PicturePrefetch picturePrefetch;

TextLabel scoreLabels[kScoreEntries];
TextLabel nameLabel;
TextLabel statusLabel;
TextLabel livesFlashLabel;
TextLabel shopStatusLabel;
TextLabel armourPromptLabel;
TextLabel weaponPromptLabel;
TextLabel statsLabels[kStatsLineCount];
std::string playerName;
std::string scoreNames[kScoreEntries];
std::string statsTexts[kStatsLineCount];
Player player;
Goblin goblins[kGoblinCount];
Extra extras[kExtraCount];
Level levels[kLevelCount];
// After the levels, so it is destroyed first and waits for its painter.
LevelBuild levelBuild;
