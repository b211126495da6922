#include "shell/Screens.h"

#include "extras/ExitArrow.h"
#include "extras/Extra.h"
#include "goblins/Goblin.h"
#include "level/Level.h"
#include "level/LevelBuild.h"
#include "platform/Blit.h"
#include "platform/Image.h"
#include "platform/PictureFiles.h"
#include "platform/Video.h"
#include "play/Contacts.h"
#include "player/Player.h"
#include "player/View.h"
#include "scores/HighScores.h"
#include "shell/GameFlow.h"
#include "state/Rules.h"
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
  blit(image, nullptr, ScreenSurface, &at);
}

namespace {
// Under the wild rules the status lines sit on a band of their own above the play.
void drawStatusBand(SDL_Surface* screen) {
  const int band = rules().statusBandPx;
  if (band == 0) return;
  const int kEdgePx = 2;  // a lighter line where the band meets the play
  SDL_Rect fill = {0, 0, kScreenWidth, Uint16(band - kEdgePx)},
           edge = {0, Sint16(band - kEdgePx), kScreenWidth, kEdgePx};
  fillArea(screen, &fill, SDL_MapRGB(screen->format, 0x1d, 0x2a, 0x4a));
  fillArea(screen, &edge, SDL_MapRGB(screen->format, 0x8c, 0xc0, 0x63));
}
}  // namespace

void titlePass() {
  drawImage(titleImage, 0, 0);
  buildRulesLine();
  drawLabel(rulesLabel, ScreenSurface);
  // Key 1 waits for the levels' painting (see startWaitingGame): say so.
  if (!levelBuild.ready(0)) {
    buildLoadingLine();
    drawLabel(loadingLabel, ScreenSurface);
  }
}

void picturePass(SDL_Surface* picture) { drawImage(picture, 0, 0); }

void playingPass(const Tick& tick) { playPass(tick, ScreenSurface); }

void playPass(const Tick& tick, SDL_Surface* screen) {
  levelBuild.waitFor(levelIndex);  // at once unless a test jumped straight into play
  Level& level = levels[levelIndex];
  // The view is set once a pass, before anything is drawn from it.
  view.follow(player.x, player.speedx, tick.movedMs());
  if (screen) level.draw(screen, view.left(), view.top());
  // Later objects cover earlier ones: extras, then goblins, then the hero. Each is
  // drawn right after its step, before the next one moves the hero or the view.
  for (Extra& extra : extras) {
    extra.step(tick);
    if (screen) extra.draw(screen);
  }
  for (Goblin& goblin : goblins) {
    contacts.stepGoblin(goblin, tick, level.getCollisionMap());
    if (screen) goblin.draw(screen, tick.now);
  }
  actOnLevelClock(tick.now);
  contacts.stepHero(tick, level.getCollisionMap());
  if (screen) player.draw(screen, tick.now);
  // Right after the hero's step, where the hero and the extras found it.
  actOnPlayEvents(tick.now);
  if (!screen) return;
  if (rules().exitArrow) exitArrow.draw(screen, view.left(), view.top(), rules().statusBandPx);
  drawStatusBand(screen);
  buildStatusLine(tick.now);
  drawLabel(statusLabel, screen);
  buildLivesFlash(tick.now);
  drawLabel(livesFlashLabel, screen);
}

void submitPass() {
  drawImage(submitImage, 0, 0);
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
