#include "extras/Extra.h"
// Stub: replaced by the real extras code.
Extra::Extra() {}
Extra::~Extra() {}
void Extra::place(int) {}
void Extra::testPickup(float, float) {}
void Extra::update(SDL_Surface*) {}
void Extra::draw(SDL_Surface*) {}
void testAllPickups(float, float) {}
void recordSecondsLeft() {}
