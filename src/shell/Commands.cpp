#include "shell/Commands.h"

#include "shell/GameFlow.h"
#include "shell/PauseScreen.h"

CommandList commands;

namespace {
void typeLetter(char letter) {
  if (GameState != Submit || !nameEntryShown) return;
  // z never waits for the delay.
  if (letter != 'Z' && nameDelay != 0) return;
  playerName.push_back(letter);
  nameDelay = kNameDelayMs;
}

// False when a press was not taken.
bool play(const Command& c, uint32_t now) {
  if (!c.down) {
    letGoAction(c.action, now);
    return true;
  }
  if (playAction(c.action, now)) return true;
  // p and z pause and crouch where they can; elsewhere, as every other letter, they type.
  if (c.letter && !pauseScreen.active()) typeLetter(c.letter);
  return false;
}
}  // namespace

void pressAction(Action action) { commands.add({action, true}); }

void releaseAction(Action action) { commands.add({action, false}); }

void CommandList::apply(const Tick& tick) {
  // Taken off first, so that what a command does never changes the list being played.
  std::vector<Command> due;
  due.swap(pending);
  // While paused a run waits for the next move of the stick; and the stick takes
  // back nothing it was refused, though it let go in the same read.
  bool refused[int(Action::Count)] = {};
  for (const Command& c : due) {
    if (listener) listener(c);
    bool& stickRefused = refused[int(c.action)];
    if (c.givenNote && !c.down && stickRefused) {
      stickRefused = false;
      continue;
    }
    if (play(c, tick.now) || !c.givenNote || !isHeld(c.action)) continue;
    stickRefused = true;
    *c.givenNote = false;
  }
}
