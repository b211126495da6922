// replayrecord classic|wild FILE: plays a whole game as the level checker's expert
// would, from the title through all five levels, the statistics and the shop
// (buying where the nuts allow), to the name entry, and keeps it as a replay:
// the commands at their times, then the figures they give when played again.
// Under the classic rules the hero turns back on level 1's way and runs into the
// thorns until a life is lost. Run in the game's working directory; tests/replays holds the
// replays the tests play.
#include <cstdio>
#include <string>

#include "ExpertPlay.h"
#include "Harness.h"
#include "LevelSearch.h"
#include "Replay.h"
#include "goblins/Goblin.h"
#include "level/Level.h"
#include "platform/Clock.h"
#include "player/Player.h"
#include "scores/HighScores.h"
#include "shell/Commands.h"
#include "shell/GameFlow.h"
#include "shell/Startup.h"

namespace {
const unsigned kReplaySeed = 1234;
const float kWeaponRackX = 100.0f;  // px; past it the hero stands at the weapon rack
const int kSettlePasses = 30;       // passes on the name entry at the end
const float kTurnBackX = 3100.0f;   // px of view x on level 1's way: running back from there meets thorns

Replay recording;
uint32_t startMs = 0;

int goblinHits = 0;
// The recording's own hash before each pass's commands: the replay must match it.
std::vector<std::pair<size_t, uint32_t>> heardHashes;

void noteState() {
  const size_t passIndex = (nowMs() - startMs) / kReplayStepMs;
  if (passIndex > 0 && (heardHashes.empty() || heardHashes.back().first != passIndex - 1))
    heardHashes.push_back({passIndex - 1, gameStateHash()});
}

// A swing that took goblin health counts as a hit.
void countHits() {
  static int goblinHealth = 0;
  int health = 0;
  for (const Goblin& g : goblins) health += g.health;
  goblinHits += health < goblinHealth;
  goblinHealth = health;
}

// Each command as it plays. The expert lets go of the swing every pass it does not
// swing: only a release of what is held is kept (the figures prove nothing else acted).
void hear(const Command& c) {
  noteState();
  countHits();
  static bool held[int(Action::Count)] = {};
  const bool wasHeld = held[int(c.action)];
  held[int(c.action)] = c.down;
  if (c.down || wasHeld) recording.commands.push_back({nowMs() - startMs, c.action, c.down});
}

void tap(Action action) {
  pressAction(action);
  releaseAction(action);
}

// Under the classic rules nothing on the expert's way hurts: a life is lost on
// purpose, following level 1's way for a while, then running back into the thorns.
bool loseALife() {
  const int lives = player.getLives();
  Route way;
  thinkAhead(1, [&](const HeroState& here) { way = searchLevel(1, true, &here).exitRoute; });
  for (size_t f = 0, next = 0; player.x < kTurnBackX && next < way.size(); ++f) {
    for (; next < way.size() && way[next].frame == int(f); ++next) commands.add({way[next].action, way[next].down});
    pass();
  }
  letGo();
  pressAction(Action::RunLeft);
  bool lost = passUntil([&] { return player.getLives() < lives; });
  letGo();
  return lost;
}

// Stops at the weapon rack, buys if the nuts allow, and walks out.
bool shop() {
  pressAction(Action::RunRight);
  if (!passUntil([] { return player.getX() > kWeaponRackX; })) return false;
  releaseAction(Action::RunRight);
  passUntil([] { return player.speedx == 0.0f; });
  tap(Action::Jump);
  pass();
  pressAction(Action::RunRight);
  bool out = passUntil([] { return GameState != Shop; });
  releaseAction(Action::RunRight);
  pass();  // let go before the next level's way is planned
  return out;
}

bool playWholeGame() {
  pass();
  tap(Action::Start);
  if (!passUntil([] { return GameState == Playing; })) return false;
  for (int level = 0; level < kLevelCount; ++level) {
    if (level == 1 && !recording.wild && !loseALife()) return std::puts("no life was lost"), false;
    int healthLost = 0;
    if (!playToExit(level, healthLost)) return std::printf("level %d: no exit, the hero at %.0f, %.0f, lives %d, health %d, state %d\n", level, player.x, player.y, player.getLives(), player.getHealth(), int(GameState)), false;
    pass();
    tap(Action::Jump);
    if (!passUntil([] { return GameState == Shop; }) || !shop()) return std::puts("the shop"), false;
  }
  tap(Action::Jump);  // on from the victory screen
  if (!passUntil([] { return GameState == Submit; })) return std::puts("no name entry"), false;
  for (int i = 0; i < kSettlePasses; ++i) pass();
  return true;
}
}  // namespace

int main(int argc, char** argv) {
  const std::string rules = argc == 3 ? argv[1] : "";
  if (rules != "classic" && rules != "wild") return std::puts("usage: replayrecord classic|wild FILE"), 2;
  useDummyDrivers();
  gameClock.useFake(1);
  if (startUp() != 0) return 2;
  // The name entry stays open whatever the table on disk holds, as in the tests' empty table.
  for (int32_t& v : scoreValues) v = 0;
  recording.wild = rules == "wild";
  recording.seed = kReplaySeed;
  startReplayGame(recording.wild, recording.seed);
  startMs = nowMs();
  commands.listener = hear;
  const bool played = playWholeGame();
  commands.listener = nullptr;
  if (!played) return 1;
  std::printf("goblins hit: %d\n", goblinHits);
  if (goblinHits == 0) return 1;
  const size_t passes = (nowMs() - startMs) / kReplayStepMs;
  ReplayRun run = playReplay(recording, passes);
  recording.passHashes = run.passHashes;
  recording.figures = run.figures;
  for (const std::string& f : run.figures) std::puts(f.c_str());
  for (auto [i, h] : heardHashes)
    if (i < run.passHashes.size() && run.passHashes[i] != h)
      return std::printf("the replay differs from the game recorded after pass %zu\n", i), 1;
  // Every level ended, and the game on the name entry: the replay played the game recorded.
  if (run.figures.size() != kLevelCount + 1 || GameState != Submit)
    return std::puts("the replay did not play the game recorded"), 1;
  return writeReplay(argv[2], recording) ? 0 : 1;
}
