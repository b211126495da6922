#pragma once
#include <vector>

#include "platform/Tick.h"
#include "shell/Actions.h"

// One thing asked of the game: an action pressed or let go. The keys, the pad and
// a replayed route all come down to these.
struct Command {
  Action action;
  bool down;
  char letter = 0;  // typed instead, when the press is not taken and play is not paused
  // The stick's note that it gave this press: cleared when a held action is not
  // taken (paused), so the stick's next move asks again. Its releases carry it too.
  bool* givenNote = nullptr;
};

// Wait after an accepted letter, against a key that bounces; a person typing at
// normal speed is slower than this.
const int kNameDelayMs = 100;

// The commands read since they last acted. They act in the order given, all at
// one tick, so a replay plays exactly whatever asked for them and however fast.
class CommandList {
 public:
  void add(const Command& command) { pending.push_back(command); }
  // Plays every waiting command at `tick` and empties the list.
  void apply(const Tick& tick);
  void clear() { pending.clear(); }
  // Hears every command as it is played: a replay's recorder.
  void (*listener)(const Command&) = nullptr;

 private:
  std::vector<Command> pending;
};

extern CommandList commands;

// Asks for the action, or lets go of it: it joins the list, to act when the main
// loop plays it, after the events are read.
void pressAction(Action action);
void releaseAction(Action action);
