#pragma once
#include <SDL/SDL.h>
#include <SDL/SDL_mixer.h>

#include <cstdint>

#include "platform/Tick.h"

class CollisionMap;

const int kGoblinCount = 10;
const int kGoblinFullHealth = 100;

// An enemy of the pool of ten. Out of the game while health <= 0, until the next spawn.
class Goblin {
 public:
  Goblin();
  ~Goblin();
  Goblin(const Goblin&) = delete;
  Goblin& operator=(const Goblin&) = delete;

  // New breed, kind, speed and place near the hero; full health.
  void spawn(int index);
  // Wild rules: moves a spawned goblin to a level's post (sprite corner, level px),
  // where it stands still until the hero, in view, comes within its notice.
  void lieInWait(float postX, float postY, uint32_t now);
  // Wild rules: back to its post, if it has one, waiting again; false when it has none.
  bool backToPost(uint32_t now);
  // A pass of play is move, then (with the hero's swing on it) watchHero, then (with
  // its bite) land; play/Contacts.h runs them in that order.
  // Moves by its speeds and any push; false when it sits the pass out (knocked out,
  // or waiting at its post) and meets nothing.
  bool move(const Tick& tick, const CollisionMap& collision);
  // Walls and ground, then the frame the draw shows.
  void land(const CollisionMap& collision, uint32_t now);
  void resolveCollisions(const CollisionMap& collision, uint32_t now);
  // The frame the last step picked, if it picked one, where the hero's view puts it.
  void draw(SDL_Surface* screen, uint32_t now) const;
  // Wild rules: a hit by the hero's swing `swing`: health by the weapon, a flash, a push.
  void takeWildHit(bool pushRight, int swing, int weaponLevel, uint32_t now);
  // Classic rules: a hit from the hero's hit point at level x `hitX`: a push, and health
  // by how near the hit point is after it.
  void takeClassicHit(float hitX, bool facingLeft);
  // Wild rules: its swing lands, and the attack cycle jumps to the strike frame.
  void strike(uint32_t now);
  void pushByKnockBack(float frameMs, const CollisionMap& collision);
  void drawHitFlash(SDL_Surface* screen, int spriteX, int spriteY, const SDL_Rect& cell) const;
  // Helpers of the step and the draw.
  bool inView() const;           // does its box show in the view?
  float heroDy() const;          // px from the goblin down to the point it watches on the hero
  void watchHero(uint32_t now);  // notice, turn toward, stand or strike the pose
  // The sprite cell for `now` into srcRect, the step's last act: it may restart the
  // cycle and, at the end of a walking one, roll a jump.
  void pickFrame(uint32_t now);
  void drawHealthBar(SDL_Surface* screen, int spriteX, int spriteY) const;
  uint32_t strikeMs() const;  // ms into the attack cycle where the blow after the raised weapon shows

  SDL_Surface* spriteSheet = nullptr;
  SDL_Surface* healthBarImage = nullptr;
  uint32_t airTick = 0;  // ms tick of the last ground check that found no ground
  float x = 0.0f;
  float y = 0.0f;
  bool movingRight = false;
  int health = 0;
  uint32_t animStart = 0;
  float walkSpeed = 1.0f;  // tenths of a px per ms
  float speedy = 4.0f;     // tenths of a px per ms; negative is up
  bool airborne = false;
  int breed = 0;  // its row of goblinSheet::kBreeds, which its frames come from
  bool rareBreed = false;
  bool commonBreed = false;
  bool isKind0 = false;
  bool isKind1 = false;
  bool isKind2 = false;
  bool onGround = false;
  bool attacking = false;
  bool waiting = false;             // at its post until the hero comes level with it; spawn ends it
  SDL_Rect srcRect = {0, 0, 0, 0};  // the sheet cell the last step picked
  bool shown = false;               // the last step picked a frame: the goblin shows
  int kind = 0;
  int jumpChance = 10;  // percent per walking cycle
  Mix_Chunk* soundLanding = nullptr;
  uint32_t struckCycle = 0;  // animStart of the attack cycle whose swing was taken
  // Wild rules only.
  uint32_t poseTick = 0;  // ms tick it struck its attack pose; the bite waits a while
  int knockBack = 0;      // px still to be pushed by a hit; + right, - left
  int struckBy = 0;       // the hero's swing that hit it last (a swing hits once)
  bool hitFlash = false;
  uint32_t hitTick = 0;      // ms tick of the last hit, for the flash
  bool heroInReach = false;  // the hero is in its bite's reach, since reachTick
  uint32_t reachTick = 0;
  bool hasPost = false;  // the level posted it at (postX, postY), sprite corner, level px
  float postX = 0.0f, postY = 0.0f;
};

extern Goblin goblins[kGoblinCount];
