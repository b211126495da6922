// The game objects whose order of building matters, defined in one file so they
// are built in this order before main runs (each loads its own pictures as it is
// built): the picture prefetch, the labels and texts of the status line, the shop,
// the statistics, the name and the score list, the hero, the goblins, the extras,
// the levels and their painter. The rest load nothing when built and live beside
// their code: the clock (platform/Clock.cpp), the screen (platform/Video.cpp), the
// screen pictures (shell/Screens.cpp), the game state (state/GameState.cpp and
// shell/GameFlow.cpp), the pause screen, the gamepad, the score table
// (scores/HighScores.cpp), the font cache and the title's, victory's and missed
// table's labels (text/ScreenLabels.cpp).
#include "extras/Extra.h"
#include "goblins/Goblin.h"
#include "level/Level.h"
#include "level/LevelBuild.h"
#include "platform/PicturePrefetch.h"
#include "player/Player.h"
#include "scores/HighScores.h"
#include "state/GameState.h"
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
