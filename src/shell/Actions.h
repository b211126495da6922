#pragma once
#include <cstdint>

// The game's actions, whatever plays them: the keys, the gamepad or a replayed
// route. Controls.h binds the inputs to them; here is what each does.
enum class Action {
  None,
  RunLeft,   // held
  RunRight,  // held
  Jump,      // jump in play, buy in the shop, go on from the statistics and the victory screen
  Drop,
  Crouch,  // held, during play only
  Swing,   // held
  Trade,   // one weapon level for health
  Start,   // on the title a new game, elsewhere back to the title
  Instructions,
  Story,
  About,
  Scores,  // the four above open from the title
  Shop,    // from play
  NameEntry,
  Pause,      // pause play or the shop, or go on
  Rules,      // on the title: classic or wild rules for the next game
  Quit,       // ends the game; the event loop acts on it, not the command list
  LoseFocus,  // the window lost the focus: pause play or the shop; no input is bound to it
  Count
};

// Input asks for actions through the command list (Commands.h); here is what
// they do when the main loop plays them.

// Does what the action does on the screen shown, at game time `now`. False when it
// was not taken (while paused, a crouch outside play, a pause with nothing to
// pause): a letter key then types its letter instead. While paused only Pause,
// Start and NameEntry act, and the last two end the pause.
bool playAction(Action action, uint32_t now);
// Lets go of a held action; it works on every screen, paused or not.
void letGoAction(Action action, uint32_t now);
// True for the actions that last until let go.
bool isHeld(Action action);
