#include "shell/GameFlow.h"

#include "level/Level.h"
#include "platform/StoredFiles.h"
#include "player/Player.h"
#include "scores/HighScores.h"
#include "state/Rules.h"

namespace {
const double kSecondsPerMs = 0.001;
const int kTitleLives = 3;

// The level clock's whole seconds left, cut toward zero.
void recordSecondsLeft(uint32_t now) {
  secondsLeft = static_cast<int32_t>(levels[levelIndex].timeLeftMs(now) * kSecondsPerMs);
}

// The seconds left at the last level exit, three points each.
void payTimeBonus() { player.setScore(player.getScore() + timeBonus()); }
}  // namespace

// The classic rules pay when the hero walks out of the shop, so a game ended in the
// statistics or the shop keeps none; the wild rules pay at the exit itself.
void payBonusAtExit() {
  if (rules().bonusAtExit) payTimeBonus();
}
void payBonusLeavingShop() {
  if (!rules().bonusAtExit) payTimeBonus();
}

int32_t GameState = 0;
uint32_t lastFrameTick = 0;
int32_t nameDelay = 0;
bool nameEntryShown = false;
bool runLeftHeld = false, runRightHeld = false;
bool gameUnderway = false;
bool entryEndsGame = false;
bool missedTable = false;

int32_t getGameState() { return GameState; }
void setGameState(int32_t state) { GameState = state; }

void startNameEntry() {
  // Letters typed on other screens, and the delay they set, must not carry into
  // the name: they could fill it with junk or push it past three letters.
  playerName.clear();
  nameDelay = 0;
  nameEntryShown = false;
  entryEndsGame = gameUnderway;
  gameUnderway = false;
  GameState = Submit;
}

// In the order the hero's step found them: a lost last life comes before the
// pickups, so an exit touched in the same step has the last word.
void actOnPlayEvents(uint32_t now) {
  // A trap, a bite, a thorn or the clock: each gives the next life a full clock.
  if (playEvents.lifeLost && rules().lifeOnTheClock) levels[levelIndex].restartTimer(now);
  if (playEvents.outOfLives) startNameEntry();
  if (playEvents.exitTouched) {
    recordSecondsLeft(now);
    payBonusAtExit();
    player.knockBack = 0;  // a bite's shove ends with the level, not in the shop
    setGameState(LevelStats);
  }
  playEvents = PlayEvents{};
}

void actOnLevelClock(uint32_t now) {
  Level& level = levels[levelIndex];
  if (!rules().lifeOnTheClock || level.timeLeftMs(now) > 0) return;
  // The goblins and the extras stay as they are: what was collected stays collected.
  // The step takes the life, and the flow fills the clock again after it.
  player.setHealth(0);
}

void actOnTitle() {
  player.setLives(kTitleLives);
  player.setAnimals(0);
}

void actOnNameEntry(float frameMs) {
  nameEntryShown = true;  // this pass draws it
  // A score that does not beat the table goes to the list next pass, which says
  // so after a game; the rest of this pass still runs.
  if (player.getScore() <= scoreValues[kScoreEntries - 1]) {
    missedTable = entryEndsGame;
    setGameState(Scores);
  }
  // The delay runs down only while the name entry shows, by the time each pass took.
  if (frameMs >= static_cast<float>(nameDelay)) {
    nameDelay = 0;
  } else {
    nameDelay -= static_cast<int32_t>(frameMs);
  }
  // The browser first brings in what its other tabs saved, a pass or two, so the
  // save below keeps their entries; the desktop's files are in at once.
  if (playerName.size() == 3 && fetchStoredFiles()) {
    insertScore(playerName, player.getScore());
    // Keep and show the new entry at once, so no score is lost at exit; the save
    // may bring in entries another game saved meanwhile, so it comes first.
    saveScores();
    renderScores();
    setGameState(Scores);
    playerName.clear();
  }
}
