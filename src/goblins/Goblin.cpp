#include "goblins/Goblin.h"
// Stub: replaced by the real goblin code.
Goblin::Goblin() {}
Goblin::~Goblin() {}
void Goblin::spawn(int) {}
void Goblin::update(float, SDL_Surface*, SDL_Surface*) {}
void Goblin::resolveCollisions() {}
void Goblin::draw(SDL_Surface*) {}
void Goblin::hitTest(float, float, uint8_t) {}
void hitGoblins(float, float, uint8_t) {}
