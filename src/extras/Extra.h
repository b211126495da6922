#pragma once
#include <SDL/SDL.h>

#include <cstdint>
#include <vector>

#include "platform/Tick.h"

struct ExtraSpot;

const int kExtraCount = 100;
const int kPlacelessExtra = 53;  // the pool index no placement ever uses
const int kMaxLevelExtras = kExtraCount - 1;

enum ExtraType : int32_t {
  Hazard = 3,
  DeadlyHazard = 5,
  LevelExit = 6,
  Animal = 7,
  Nut = 8,
};

// A thing lying in a level: nut, animal, hazard or the exit. Under the classic
// rules every level shares one placement table, indexed by the extra's place in
// the pool; under the wild rules each level has its own list.
class Extra {
 public:
  Extra();
  ~Extra();
  Extra(const Extra&) = delete;
  Extra& operator=(const Extra&) = delete;

  // Puts the extra where the level being played has it, under the rules chosen.
  void place(int index);
  void place(int index, int level);
  // What a touch does to the extra itself (play/Contacts.h decides the touch): a hazard
  // steps down out of the way for a while (under the wild rules it wilts in place for
  // that while), a taken nut drops out of the level, and an extra of no known type moves
  // down a little.
  void stepAside(uint32_t now);
  void takeAway();
  void nudgeDown();
  // Ends a hazard's step-aside or wilt, then picks the frame to show.
  void step(const Tick& tick);
  // The frame for `now` and its place in the hero's view, into srcRect and dstRect.
  // The timed effects of the look happen here: the cycles' restarts, the spent trap's
  // removal and the rescued animal's rise.
  void pickFrame(uint32_t now);
  void draw(SDL_Surface* screen) const;

  SDL_Surface* sheet = nullptr;
  int x = 0;
  int y = 0;
  uint32_t animStart = 0;
  uint32_t hitTime = 0;  // ms tick a hazard was last touched; 0 for none
  int index = 0;
  int type = 0;  // an ExtraType; 0 (unknown) until placed
  bool rescued = false;
  bool triggered = false;
  bool wilted = false;  // wild rules: a touched thorn lying flat, harmless until it stands again
  // The last step's frame taken from the sheet, and where on the screen it goes
  // before clipping.
  SDL_Rect srcRect = {0, 0, 0, 0};
  SDL_Rect dstRect = {0, 0, 0, 0};

 private:
  void placeClassic();
  void placeWild(const std::vector<ExtraSpot>& own);
};

extern Extra extras[kExtraCount];

const float kExitCentre = 75.0f;  // px from the exit's corner; near the middle of the 150 x 145 exit

// The touch rule alone: does the hero with view corner (px, py) touch an extra
// of `type` whose sprite corner is (x, y)? Pure, so tools can ask it too.
bool touchesExtra(int type, int x, int y, float px, float py);
