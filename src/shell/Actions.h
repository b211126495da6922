#pragma once

// What the keys and the gamepad's buttons both do, so the two never differ.

// Space and the up arrow: buy in the shop, leave the statistics or the victory
// screen, jump in play.
void actionKey();
// Key 1: on the title a new game, elsewhere back to the title.
void startOrLeaveForTitle();
