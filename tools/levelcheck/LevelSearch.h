#pragma once
// Searches the places a hero can stand in a level, starting where a level
// starts, moving only with the game's own movement code and never touching a
// hazard or a deadly trap.
#include <SDL/SDL.h>

#include <set>
#include <utility>
#include <vector>

#include "HeroSim.h"
#include "Route.h"

// Extras the hero wants to touch (nuts, animals, the exit), and those that hurt.
bool isGoal(int type);
bool isDanger(int type);

// One move tried from every standing place.
struct Move {
  Action dir;     // Action::None for none
  int runFrames;  // frames held before the jump (or in total for a walk)
  bool jump;
  int holdFrames;  // frames the direction stays held after the jump; -1 until landing
  bool drop;
};

// What one move from a standing place led to.
struct Outcome {
  bool safe = false;  // ended standing (or at the exit) without touching a hazard
  bool lost = false;  // fell out of the level
  bool exit = false;
  bool thorn = false;  // stopped by a thorn (not a trap)
  int exitFrame = 0;
  HeroState end = {};  // where it stood at the end, or where it was lost
  int frames = 0;
  Route keys;
  std::set<int> touched;
};

const std::vector<Move>& searchMoves();
// Plays move `m` from `start`; with `frames`, keeps the hero's state after every frame.
// With `throughThorns` thorns do not stop the move, but it must not end in them.
Outcome playMove(HeroSim& sim, const HeroState& start, const Move& m,
                 std::vector<HeroState>* frames = nullptr, bool throughThorns = false);

const int kExitPlace = -1;  // the `to` of a move that reached the exit
const int kLostPlace = -2;  // the `to` of a move that left the level

// A move between two standing places (indices into SearchResult::places).
struct Edge {
  int from, to;
  int frames;  // how long the move took
  int move;    // index into searchMoves()
};

struct SearchResult {
  bool exitReachable = false;
  bool complete = false;                            // every reachable place was tried
  Route exitRoute;                                  // key presses from the level start to the exit
  std::set<int> reached;                            // extras touched on some safe path
  std::vector<std::pair<int, int>> standingPlaces;  // hero sprite corners, level pixels
  std::vector<Target> targets;                      // every extra as placed
  std::vector<HeroState> places;                    // every standing place found, first the start
  HeroState from = {};                              // the hero at the level start
  int startFrames = 0;                              // the fall from the level start to places[0]
  std::vector<Edge> edges;                          // every safe move tried (full search only)
  std::vector<std::pair<int, int>> lostAt;          // hero sprite corners where a fall left the level
};

// Runs the search on `levels[level]` from the hero's state at the level start
// (`start`, or as a new game leaves it); with `untilExit` it stops at the first
// way to the exit, otherwise it tries every place it can reach and keeps every move.
// The full search also takes in the places a hero gets to only through thorns, but
// keeps no move through them: a chamber whose only way out is through thorns is a dead end.
// With `sight` (level px), places whose hero sprite corner lies outside it are kept
// but not searched from: a hero who sees only that much plans no farther.
SearchResult searchLevel(int level, bool untilExit = false, const HeroState* start = nullptr,
                         const SDL_Rect* sight = nullptr);

// The hero sprite's corner for a hero state, level pixels.
std::pair<int, int> spriteCorner(const HeroState& s);
// Does the hero sprite's corner lie inside `sight` (level px)?
bool inSight(const SDL_Rect& sight, const HeroState& s);
