#include "level/Level.h"
// Stub: replaced by the real level code.
Level::Level() {}
Level::~Level() {}
void Level::load(int) {}
void Level::restartTimer() {}
uint32_t Level::timeLeftMs() const { return 0; }
void Level::draw(SDL_Surface*, float, float) {}
