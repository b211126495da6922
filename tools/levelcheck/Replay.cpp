#include "Replay.h"

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

#include "ExpertPlay.h"
#include "extras/Extra.h"
#include "goblins/Goblin.h"
#include "level/LevelBuild.h"
#include "platform/Clock.h"
#include "player/Player.h"
#include "shell/Commands.h"
#include "shell/GameFlow.h"
#include "shell/PauseScreen.h"
#include "shell/Progression.h"
#include "shell/Shop.h"

namespace {
const uint32_t kReplayStartMs = 100000;  // far from 0, as a game started after a while
const int kHashesPerLine = 8;

const char* const kActionNames[] = {"None",  "RunLeft", "RunRight",     "Jump",  "Drop",   "Crouch", "Swing",
                                    "Trade", "Start",   "Instructions", "Story", "About",  "Scores", "Shop",
                                    "NameEntry", "Pause", "Rules",      "Quit",  "LoseFocus"};
static_assert(sizeof kActionNames / sizeof *kActionNames == size_t(Action::Count), "a name for each action");

// FNV-1a over the bytes of each value mixed in.
class Hash {
 public:
  template <typename T>
  Hash& operator<<(const T& value) {
    unsigned char bytes[sizeof value];
    std::memcpy(bytes, &value, sizeof value);
    for (unsigned char b : bytes) h = (h ^ b) * 16777619u;
    return *this;
  }
  uint32_t value() const { return h; }

 private:
  uint32_t h = 2166136261u;
};

void mixHero(Hash& h) {
  const Player& p = player;
  const Belongings& b = p.belongings;
  h << p.x << p.y << p.speedx << p.speedy << p.jumpStart << p.slideStart << p.att << p.cro << p.jum << p.sli
    << p.animStart << p.ori << p.respawnX << p.respawnY << p.knockBack << p.swingStart << p.swingCount
    << p.hurtBlink << p.hurtTick;
  h << b.health << b.lives << b.score << b.animals << b.nuts << b.weaponLevel << b.armourLevel << b.tally.nuts
    << b.tally.animals << b.tally.knockouts;
}

void mixGoblins(Hash& h) {
  for (const Goblin& g : goblins)
    h << g.x << g.y << g.movingRight << g.health << g.animStart << g.walkSpeed << g.speedy << g.airborne
      << g.breed << g.kind << g.onGround << g.attacking << g.waiting << g.knockBack << g.struckBy << g.poseTick
      << g.airTick << g.struckCycle;
}

void mixExtras(Hash& h) {
  for (const Extra& e : extras) h << e.type << e.x << e.y << e.rescued << e.triggered << e.hitTime;
}

std::string levelFigures() {
  std::ostringstream s;
  s << "level " << levelIndex << ": hash " << std::hex << gameStateHash() << std::dec << " score "
    << player.getScore() << " nuts " << player.getNuts() << " animals " << player.getAnimals() << " lives "
    << player.getLives() << " seconds " << secondsLeft;
  return s.str();
}

// Draws the next random number, so it comes last.
std::string endFigures() {
  std::ostringstream s;
  s << "end: state " << GameState << " score " << player.getScore() << " nuts " << player.getNuts()
    << " animals " << player.getAnimals() << " weapon " << player.getWeaponLevel() << " rand " << std::rand();
  return s.str();
}

bool actionNamed(const std::string& name, Action& action) {
  for (int i = 0; i < int(Action::Count); ++i)
    if (name == kActionNames[i]) return action = Action(i), true;
  return false;
}
}  // namespace

void startReplayGame(bool wild, unsigned seed) {
  gameClock.useFake(kReplayStartMs);
  pauseScreen.resume();
  commands.clear();
  wildRules = wild;
  std::srand(seed);
  // Nothing of what ran before: the title shows the hero, goblins and extras a fresh game would.
  player.reset(nowMs());
  player.hurtTick = player.lifeLostTick = 0;
  // What a spawn leaves as the last game had it, alike for every replay.
  for (Goblin& g : goblins) {
    g.movingRight = g.airborne = g.attacking = g.heroInReach = false;
    g.speedy = 0.0f;
    g.animStart = g.airTick = g.poseTick = g.struckCycle = g.hitTick = g.reachTick = 0;
  }
  levelIndex = 0;
  secondsLeft = 0;
  resetShop();
  respawnLevelObjects();
  runLeftHeld = runRightHeld = false;
  playerName.clear();
  nameDelay = 0;
  // A new game asked for before level 0 is painted would start at a pass the painter decides.
  levelBuild.waitFor(0);
  GameState = Title;
  lastFrameTick = nowMs();
}

uint32_t gameStateHash() {
  Hash h;
  h << GameState << levelIndex << secondsLeft << weaponCost << armourCost;
  mixHero(h);
  mixGoblins(h);
  mixExtras(h);
  return h.value();
}

ReplayRun playReplay(const Replay& replay, size_t passes) {
  startReplayGame(replay.wild, replay.seed);
  ReplayRun run;
  size_t next = 0;
  for (size_t i = 0; i < passes; ++i) {
    const uint32_t at = nowMs() - kReplayStartMs;
    for (; next < replay.commands.size() && replay.commands[next].ms <= at; ++next)
      commands.add({replay.commands[next].action, replay.commands[next].down});
    const int32_t before = GameState;
    run.screen = GameState;
    run.level = levelIndex;
    pass();
    run.passHashes.push_back(gameStateHash());
    if (before == Playing && GameState == LevelStats) run.figures.push_back(levelFigures());
    if (i < replay.passHashes.size() && run.passHashes[i] != replay.passHashes[i]) return run;
    run.firstDifference = i + 1;
  }
  run.figures.push_back(endFigures());
  return run;
}

bool readReplay(const std::string& path, Replay& replay) {
  std::ifstream in(path);
  std::string line, word;
  enum { Head, Commands, Figures, Hashes } part = Head;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream s(line);
    if (line == "commands" || line == "figures" || line == "hashes") {
      part = line == "commands" ? Commands : line == "figures" ? Figures : Hashes;
    } else if (part == Head) {
      s >> word;
      if (word == "rules") replay.wild = (s >> word, word == "wild");
      if (word == "seed") s >> replay.seed;
    } else if (part == Commands) {
      ReplayCommand c;
      int down = 0;
      if (!(s >> c.ms >> word >> down) || !actionNamed(word, c.action)) return false;
      c.down = down != 0;
      replay.commands.push_back(c);
    } else if (part == Figures) {
      replay.figures.push_back(line);
    } else {
      for (uint32_t h; s >> std::hex >> h;) replay.passHashes.push_back(h);
    }
  }
  return !replay.passHashes.empty();
}

bool writeReplay(const std::string& path, const Replay& replay) {
  std::ofstream out(path);
  out << "# A whole game, replayed by tests/tools/ReplayTest.cpp: each command at its ms from the\n"
         "# start, then the figures after each level and at the end, then the state's hash after\n"
         "# every pass. Made by replayrecord; the figures change only in a commit that says which\n"
         "# behaviour changed and why.\n";
  out << "rules " << (replay.wild ? "wild" : "classic") << "\nseed " << replay.seed << "\ncommands\n";
  for (const ReplayCommand& c : replay.commands)
    out << c.ms << ' ' << kActionNames[int(c.action)] << ' ' << c.down << '\n';
  out << "figures\n";
  for (const std::string& f : replay.figures) out << f << '\n';
  out << "hashes\n" << std::hex;
  for (size_t i = 0; i < replay.passHashes.size(); ++i)
    out << replay.passHashes[i] << ((i + 1) % kHashesPerLine && i + 1 < replay.passHashes.size() ? ' ' : '\n');
  return bool(out);
}
