#pragma once
// A route through a level: key presses and releases at numbered frames of kRouteFrameMs.
#include <SDL/SDL.h>

#include <vector>

const float kRouteFrameMs = 16.0f;  // every simulated frame

struct RouteStep {
  int frame;  // the key acts before this frame's update
  SDLKey key;
  bool down;
};

using Route = std::vector<RouteStep>;
