#pragma once
#include <SDL/SDL.h>

#include <cstdint>

#include "platform/Tick.h"
#include "player/Belongings.h"
#include "player/JumpGrace.h"
#include "player/PlayerLook.h"

class CollisionMap;

// Where every level and every life starts: the view's corner, in level px.
const float kStartX = 100.0f, kStartY = 100.0f;
// The hero's sprite corner on the screen during play, in px from the view's corner.
const float kHeroScreenX = 295.0f, kHeroScreenY = 215.0f;

// How long the blink after a hurt lasts, in ms; under the wild rules nothing hurts
// the hero meanwhile.
const uint32_t kBlinkMs = 1000;

// The hero. During play (x, y) is the top-left corner of the 640 x 480 view into
// the level and the hero is drawn at (kHeroScreenX, kHeroScreenY) on the screen; in
// the shop (x, y) is the screen position of the sprite's centre. The hero is his
// motion, held here, what he has (belongings) and how he looks and sounds (look).
class Player {
 public:
  float getX() const { return x; }
  void setX(float v) { x = v; }
  float getY() const { return y; }
  void setY(float v) { y = v; }
  int getHealth() const { return belongings.health; }
  void setHealth(int v) { belongings.health = v; }
  int getLives() const { return belongings.lives; }
  void setLives(int v) { belongings.lives = v; }
  int getScore() const { return belongings.score; }
  void setScore(int v) { belongings.score = v; }
  int getNuts() const { return belongings.nuts; }
  void setNuts(int v) { belongings.nuts = v; }
  int getAnimals() const { return belongings.animals; }
  void setAnimals(int v) { belongings.animals = v; }
  int getWeaponLevel() const { return belongings.weaponLevel; }
  void setWeaponLevel(int v) { belongings.weaponLevel = v; }
  int getArmourLevel() const { return belongings.armourLevel; }
  void setArmourLevel(int v) { belongings.armourLevel = v; }

  // Puts every field back to its value at construction (images and sounds stay);
  // the animation starts at `now`.
  void reset(uint32_t now);

  // Key actions; those that start a timed motion take the game time of the key.
  void runRight();
  void runLeft();
  void releaseRight(uint32_t now);
  void releaseLeft(uint32_t now);
  // A jump from the ground, or (wild rules) just after walking off a ledge; in the air
  // otherwise it is kept for jumpOnLanding.
  void jump(uint32_t now);
  // The step that lands the hero: a jump pressed just before (wild rules) jumps now.
  void jumpOnLanding(uint32_t now);
  // True when the press starts a swing that hits now: always under the classic rules,
  // under the wild ones unless a swing still plays.
  bool attack(uint32_t now);
  void stopAttack();
  void crouch();
  void standUp();
  void dropDown(uint32_t now);

  // Wild rules. A goblin's swing that reached the hero, from a goblin on his left
  // (pushed right) or right: costs health by the armour and knocks him away, unless
  // the hero is still shielded.
  void bite(bool pushRight, uint32_t now);
  // Wild rules: a swing plays out whole, however short the key's tap; the one running
  // at `now`, if any, is `swingCount`.
  bool swinging(uint32_t now) const;
  // True while the blink after a hurt or a lost life keeps all harm away.
  bool shielded(uint32_t now) const;
  void shield(uint32_t now);  // starts the blink, and with it the safety
  // Where the next lost life starts: the level's start, or the last freed cage.
  void setRespawn(float vx, float vy);

  // One frame: move, lose lives, collide. The last lost life is reported in playEvents
  // for the game flow. In play the pickups come next (play/Contacts.h), then settle.
  void step(const Tick& tick, const CollisionMap& collision);
  // The end of a step: a loss of health since the last one starts the blink, and the
  // animation goes on.
  void settle(uint32_t now);
  void resolveCollisions(const CollisionMap& collision);
  // The body's animation at `now`: a cycle that ran out, or the crouch, starts again.
  // The last thing a step does, so the draw that follows shows the restart.
  void animate(uint32_t now);
  void draw(SDL_Surface* screen, uint32_t now) const;

  Belongings belongings;
  PlayerLook look;
  float speedx = 0.0f;  // tenths of a px per ms; +3 right, -3 left
  float speedy = 0.0f;  // tenths of a px per ms; negative is up
  uint32_t jumpStart = 0;
  uint32_t slideStart = 0;
  JumpGrace jumpGrace;
  bool att = false;  // attacking
  bool cro = false;  // crouching
  bool jum = true;   // airborne
  bool sli = false;  // sliding
  uint32_t animStart = 0;
  uint8_t ori = 0;  // 0 right, 1 left
  float x = kStartX;
  float y = kStartY;
  float respawnX = kStartX, respawnY = kStartY;  // view corner after a lost life
  int knockBack = 0;                             // px still to be pushed; + right, - left
  uint32_t swingStart = 0;                       // wild rules: ms tick the last swing began
  int swingCount = 0;                            // wild rules: swings so far, naming each
  // Feedback only, read by no rule: the hero blinks after losing health or a life,
  // and the status line's lives flash after a lost life.
  int drawnHealth = 100;  // health at the last draw, to see a loss
  bool hurtBlink = false;
  uint32_t hurtTick = 0;         // ms tick when the blink began
  uint32_t shieldMs = kBlinkMs;  // how long this blink keeps harm away; longer after a lost life
  bool lifeFlash = false;
  uint32_t lifeLostTick = 0;  // ms tick when the last life was lost
};

extern Player player;

// How long a swing plays under the wild rules, in ms: its three frames.
const uint32_t kSwingMs = 300;

// Of a blink begun at `startTick` (if `started`): true at `now` in its dark periods,
// 100 ms every other 100 ms from the start, for `lengthMs`.
bool blinkDark(bool started, uint32_t startTick, uint32_t now, uint32_t lengthMs = kBlinkMs);

// Under the wild rules the swing reaches what it draws: the box, in level px, that the
// swung weapon and its swoosh cover for a hero whose view corner is (px, py).
struct ArcBox {
  float left, top, right, bottom;  // right and bottom edges excluded
};
ArcBox swingArc(float px, float py, uint8_t ori, int weaponLevel);
