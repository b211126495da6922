#pragma once
// A route through a level: actions pressed and released at numbered frames of kRouteFrameMs.

#include <vector>

#include "shell/Actions.h"

const float kRouteFrameMs = 16.0f;  // every simulated frame

struct RouteStep {
  int frame;  // the action acts before this frame's update
  Action action;
  bool down;
};

using Route = std::vector<RouteStep>;
