#pragma once
#include <string>
#include <vector>

#include "LevelSearch.h"

// Writes a scaled-down picture of a level: the level picture, the places the
// hero can stand shaded, the dead ends (`deadEnds`, indices of places, and
// the falls out of the level) in black, the route through `route` (indices of
// places) drawn as a line, every extra marked (filled when reached, crossed
// when not).
void writeOverview(int level, const SearchResult& result, const std::vector<int>& deadEnds,
                   const std::vector<int>& route, const std::string& path);
