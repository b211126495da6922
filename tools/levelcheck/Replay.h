#pragma once
// A whole game kept as the commands that played it, each at its time from the
// game's start on the fake clock, with the figures it must end with: a hash of
// the hero, the goblins and the extras after every pass, and after every level
// and at the end the counters a player sees. Played again, the same commands on
// the same clock and seed must give the same figures, pass for pass.
#include <cstdint>
#include <string>
#include <vector>

#include "shell/Actions.h"

struct ReplayCommand {
  uint32_t ms;  // from the game's start
  Action action;
  bool down;
};

struct Replay {
  bool wild = false;
  unsigned seed = 0;
  std::vector<ReplayCommand> commands;
  std::vector<uint32_t> passHashes;  // the state after each pass
  std::vector<std::string> figures;  // a line at each level's end, and the game's end
};

const uint32_t kReplayStepMs = 16;  // every pass, as the routes were found

// Puts the game on the title, on a fake clock, with the rules and the seed, and the
// first level painted: what a replay starts from.
void startReplayGame(bool wild, unsigned seed);

// What playing a replay gave.
struct ReplayRun {
  std::vector<uint32_t> passHashes;
  std::vector<std::string> figures;
  // The first pass whose state's hash is not the replay's own (passes when none),
  // and the screen and level it played.
  size_t firstDifference = 0;
  int32_t screen = 0, level = 0;
};
// Plays the replay's commands from its start for `passes` passes, each at its time,
// and stops after the first pass that differs from the replay's hashes, if it has them.
ReplayRun playReplay(const Replay& replay, size_t passes);

// The hero's, goblins' and extras' state, the screen and the level, hashed.
uint32_t gameStateHash();

bool readReplay(const std::string& path, Replay& replay);
bool writeReplay(const std::string& path, const Replay& replay);
