#include "shell/Commands.h"

#include "shell/GameFlow.h"
#include "shell/PauseScreen.h"

CommandList commands;

namespace {
void typeLetter(char letter) {
  // z never waits for the delay.
  if (letter != 'Z' && nameDelay != 0) return;
  playerName.push_back(letter);
  nameDelay = kNameDelayMs;
}

void play(const Command& c, uint32_t now) {
  if (!c.down) {
    letGoAction(c.action, now);
    return;
  }
  if (playAction(c.action, now)) return;
  // p and z pause and crouch where they can; elsewhere, as every other letter, they type.
  if (c.letter && !pauseScreen.active()) typeLetter(c.letter);
  // While paused a run waits for the next move of the stick.
  if (c.givenNote && isHeld(c.action)) *c.givenNote = false;
}
}  // namespace

void pressAction(Action action) { commands.add({action, true}); }

void releaseAction(Action action) { commands.add({action, false}); }

void CommandList::apply(const Tick& tick) {
  // Taken off first, so that what a command does never changes the list being played.
  std::vector<Command> due;
  due.swap(pending);
  for (const Command& c : due) play(c, tick.now);
}
