#include "shell/Screens.h"

#include "extras/Extra.h"
#include "goblins/Goblin.h"
#include "level/Level.h"
#include "level/LevelBuild.h"
#include "platform/Image.h"
#include "platform/PictureFiles.h"
#include "platform/Video.h"
#include "player/Player.h"
#include "scores/HighScores.h"
#include "shell/GameFlow.h"
#include "text/HudLabels.h"
#include "text/ScreenLabels.h"

SDL_Surface* titleImage = nullptr;
SDL_Surface* instructionsImage = nullptr;
SDL_Surface* storyImage = nullptr;
SDL_Surface* statsImage = nullptr;
SDL_Surface* aboutImage = nullptr;
SDL_Surface* scoresImage = nullptr;
SDL_Surface* shopBackgroundImage = nullptr;
SDL_Surface* submitImage = nullptr;
SDL_Surface* victoryImage = nullptr;
SDL_Surface* weaponRackImage = nullptr;
SDL_Surface* armourRackImage = nullptr;
SDL_Surface* vendorImage = nullptr;

bool missedTable = false;

namespace {
const int kTitleLives = 3;
}

void loadScreenImages() {
  titleImage = loadImage(kTitlePicture);
  instructionsImage = loadImage(kInstructionsPicture);
  storyImage = loadImage(kStoryPicture);
  statsImage = loadImage(kStatsPicture);
  aboutImage = loadImage(kAboutPicture);
  scoresImage = loadImage(kScoresPicture);
  shopBackgroundImage = loadImage(kShopBackgroundPicture);
  submitImage = loadImage(kSubmitPicture);
  victoryImage = loadImage(kVictoryPicture);
  weaponRackImage = loadImage(kWeaponRackFullPicture);
  setColourKey(weaponRackImage, kShopColourKey);
  armourRackImage = loadImage(kArmourRackFullPicture);
  setColourKey(armourRackImage, kShopColourKey);
  vendorImage = loadImage(kVendorPicture);
  setColourKey(vendorImage, kShopColourKey);
}

void drawImage(SDL_Surface* image, int x, int y) {
  if (!image || !ScreenSurface) return;
  SDL_Rect at = {static_cast<Sint16>(x), static_cast<Sint16>(y), 0, 0};
  SDL_BlitSurface(image, nullptr, ScreenSurface, &at);
}

void titlePass() {
  drawImage(titleImage, 0, 0);
  player.setLives(kTitleLives);
  player.setAnimals(0);
  buildRulesLine();
  drawLabel(rulesLabel, ScreenSurface);
  // Key 1 waits for the levels' painting (see startWaitingGame): say so.
  if (!levelBuild.ready(0)) {
    buildLoadingLine();
    drawLabel(loadingLabel, ScreenSurface);
  }
}

void picturePass(SDL_Surface* picture) { drawImage(picture, 0, 0); }

void playingPass(const Tick& tick) {
  levelBuild.waitFor(levelIndex);  // at once unless a test jumped straight into play
  Level& level = levels[levelIndex];
  level.draw(ScreenSurface, player.getX(), player.getY());
  // Later objects cover earlier ones: extras, then goblins, then the hero.
  for (Extra& extra : extras) extra.update(tick, ScreenSurface);
  for (Goblin& goblin : goblins) goblin.update(tick, ScreenSurface, level.getCollisionMap());
  actOnLevelClock(tick.now);
  player.update(tick, ScreenSurface, level.getCollisionMap());
  // Right after the hero's update, where the hero and the extras found it.
  actOnPlayEvents(tick.now);
  buildStatusLine(tick.now);
  drawLabel(statusLabel, ScreenSurface);
  buildLivesFlash(tick.now);
  drawLabel(livesFlashLabel, ScreenSurface);
}

void submitPass(float frameMs) {
  // A score that does not beat the table goes to the list next pass, which says
  // so after a game; the rest of this pass still runs.
  if (player.getScore() <= scoreValues[kScoreEntries - 1]) {
    missedTable = entryEndsGame;
    setGameState(Scores);
  }
  drawImage(submitImage, 0, 0);
  // The delay runs down only while the name entry shows, by the time each pass took.
  if (frameMs >= static_cast<float>(nameDelay)) {
    nameDelay = 0;
  } else {
    nameDelay -= static_cast<int32_t>(frameMs);
  }
  if (playerName.size() == 3) {
    insertScore(playerName, player.getScore());
    // Keep and show the new entry at once, so no score is lost at exit; the save
    // may bring in entries another game saved meanwhile, so it comes first.
    saveScores();
    renderScores();
    setGameState(Scores);
    playerName.clear();
  }
  buildNameLabel();
  drawLabel(nameLabel, ScreenSurface);
}

void levelStatsPass() {
  drawImage(statsImage, 0, 0);
  buildLevelStats();
  for (TextLabel& label : statsLabels) drawLabel(label, ScreenSurface);
}

void scoresPass() {
  drawImage(scoresImage, 0, 0);
  for (TextLabel& label : scoreLabels) drawLabel(label, ScreenSurface);
  buildMissedTableLine(missedTable);
  drawLabel(missedTableLabel, ScreenSurface);
}

void victoryPass() {
  drawImage(victoryImage, 0, 0);
  buildVictoryLines();
  for (TextLabel& label : victoryLabels) drawLabel(label, ScreenSurface);
}
