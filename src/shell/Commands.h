#pragma once
#include <vector>

#include "platform/Tick.h"
#include "shell/Actions.h"

// One thing asked of the game: an action pressed or let go. The keys, the pad and
// a replayed route all come down to these.
struct Command {
  Action action;
  bool down;
  char letter = 0;         // typed instead, when the press is not taken and play is not paused
  bool fromStick = false;  // the stick or the d-pad asked; it hears back when a run is not taken
};

// The commands read since they last acted. They act in the order given, all at
// one tick, so a pass replays exactly whatever asked for them and however fast.
class CommandList {
 public:
  void add(const Command& command) { pending.push_back(command); }
  // Plays every waiting command at `tick` and empties the list.
  void apply(const Tick& tick);
  void clear() { pending.clear(); }
  bool empty() const { return pending.empty(); }

 private:
  std::vector<Command> pending;
};

extern CommandList commands;
