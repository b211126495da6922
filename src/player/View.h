#pragma once
#include <cstdint>

// What the screen shows of the level during play. The classic view is the hero's own
// corner (player.x, player.y), with the hero always at (kHeroScreenX, kHeroScreenY).
// Under the wild rules it leads the way the hero runs, eased, so that what lies ahead
// shows sooner, and the play sits below the status band so the band hides none of it.
class View {
 public:
  void reset() { lead = 0.0f; }  // a level's start: no lead
  // Eases the lead for a hero at view corner `heroX` running at `speedx` over `ms`.
  void follow(float heroX, float speedx, float ms);
  float left() const;  // the view's corner, level px
  float top() const;
  float heroScreenX() const;  // the hero's sprite corner on the screen
  float heroScreenY() const;

  float lead = 0.0f;  // px the view lies right (+) or left (-) of the hero's own corner
};

extern View view;

// Where the view's corner lies from the hero's own corner (heroX, heroY), level px, for
// a lead of `lead`: below the status band, and under the wild rules held inside the
// level picture, so no void shows.
struct ViewCorner {
  float left, top;  // added to the hero's corner
};
ViewCorner viewCorner(float heroX, float heroY, float lead);

// The lead after `ms` more of a run at `speedx` (tenths of a px per ms), held within
// the level's width as far as the hero's own corner is: the lead never shows void.
float easedLead(float lead, float heroX, float speedx, float ms);
