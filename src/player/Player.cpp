#include "player/Player.h"
// Stub: replaced by the real hero code.
Player::Player() {}
Player::~Player() {}
void Player::reset() {}
void Player::runRight() {}
void Player::runLeft() {}
void Player::releaseRight() {}
void Player::releaseLeft() {}
void Player::jump() {}
void Player::attack() {}
void Player::stopAttack() {}
void Player::crouch() {}
void Player::standUp() {}
void Player::consumeWeapon() {}
void Player::dropDown() {}
void Player::update(float, SDL_Surface*, SDL_Surface*) {}
void Player::resolveCollisions(SDL_Surface*) {}
void Player::draw(SDL_Surface*) {}
void Player::playSound(Mix_Chunk*, int) {}
void Player::loadSounds() {}
float playerX() { return player.getX(); }
float playerY() { return player.getY(); }
int playerWeaponLevel() { return player.getWeaponLevel(); }
int playerHealth() { return player.getHealth(); }
void setPlayerHealth(int v) { player.setHealth(v); }
int playerNuts() { return player.getNuts(); }
void setPlayerNuts(int v) { player.setNuts(v); }
int playerAnimals() { return player.getAnimals(); }
void setPlayerAnimals(int v) { player.setAnimals(v); }
void setPlayerX(float v) { player.setX(v); }
void setPlayerY(float v) { player.setY(v); }
