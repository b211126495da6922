#pragma once
// A new player: the expert's plans played with a human's hands and eyes. Every
// key of a plan comes late by 120 to 260 ms and every hold lasts its planned
// time give or take 60 ms; he plans only as far as the view shows (he looks
// again at its edge), swings once a goblin has been in reach for 200 ms, and
// looks again after a fall, a bite or a thorn.

// What one play of a level came to.
struct NoviceRun {
  bool finished = false;
  float seconds = 0.0f;  // from the level start to the exit, or to giving up
  int healthLost = 0;    // a lost life counts the health it took
};

// Plays `level` from its start as a new game's hero, the human's dice and the
// game's seeded with `seed`, under the rules chosen.
NoviceRun novicePlaysLevel(int level, unsigned seed);
