#pragma once
#include <string>

#include "LevelSearch.h"

// Writes a scaled-down picture of a level: the level picture, the places the
// hero can stand shaded, every extra marked (filled when reached, crossed when not).
void writeOverview(int level, const SearchResult& result, const std::string& path);
