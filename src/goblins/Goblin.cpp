#include "goblins/Goblin.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "audio/Audio.h"
#include "level/CollisionMap.h"
#include "level/Gravity.h"
#include "level/Pixels.h"
#include "platform/Image.h"
#include "platform/Layout.h"
#include "platform/PictureFiles.h"
#include "platform/Video.h"
#include "player/Player.h"
#include "player/View.h"
#include "state/GameState.h"
#include "state/Rules.h"

namespace {
const float kSpawnTopY = 400.0f;  // px, level y of goblin 0
const float kSpawnStepY = 10.0f;  // px between neighbouring goblins
const int kRareRoll = 5;          // of rand() % 6: one chance in six
const int kBreedRolls = 6;
const int kKinds = goblinSheet::kKinds;

struct SpawnPlace {
  float walkSpeed;  // tenths of a px per ms
  float offsetX;    // px right of the hero's x
};

// By breed (common, rare), then kind.
const SpawnPlace kSpawnPlaces[goblinSheet::kBreedCount][kKinds] = {
    {{1.25f, 100.0f}, {1.35f, 200.0f}, {1.0f, 300.0f}},
    {{0.6f, 400.0f}, {0.85f, 300.0f}, {0.35f, 100.0f}},
};
}  // namespace

Goblin::Goblin() {
  spriteSheet = loadImage(kGoblinPicture);
  setColourKey(spriteSheet, kMagentaKey);
  healthBarImage = loadImage(kShopBackgroundPicture);
}

Goblin::~Goblin() {
  freeImage(spriteSheet);
  freeImage(healthBarImage);
}

void Goblin::spawn(int index) {
  // Loading afresh on every spawn would leak one sample per goblin per level.
  if (!soundLanding) soundLanding = loadEffect("sound/jump1.wav");
  y = kSpawnTopY + kSpawnStepY * static_cast<float>(index);
  airborne = true;
  onGround = true;
  // The pose belongs to one meeting with the hero, not to the goblin for good: kept,
  // it would show the attack cycle and forbid jumps in every later level and game.
  attacking = false;
  waiting = false;
  // The breed roll comes first, then the kind: the order of the two rand() calls matters.
  int breedRoll = std::rand() % kBreedRolls;
  int kindRoll = std::rand() % kKinds;
  kind = kindRoll;
  breed = breedRoll == kRareRoll ? goblinSheet::kRareBreed : goblinSheet::kCommonBreed;
  rareBreed = breed == goblinSheet::kRareBreed;
  commonBreed = !rareBreed;
  isKind0 = kind == 0;
  isKind1 = kind == 1;
  isKind2 = kind == 2;
  const SpawnPlace& place = kSpawnPlaces[breed][kind];
  walkSpeed = place.walkSpeed;
  x = player.getX() + place.offsetX;
  health = kGoblinFullHealth;
  knockBack = 0;
  struckBy = 0;
  hitFlash = false;
  heroInReach = false;
  hasPost = false;
}

void Goblin::lieInWait(float postX, float postY, uint32_t now) {
  x = this->postX = postX;
  y = this->postY = postY;
  hasPost = waiting = true;
  attacking = heroInReach = false;  // a new meeting when the hero comes again
  knockBack = 0;
  // A goblin at its post starts afresh, facing left, the way the hero comes: nothing
  // of where it was in the last level (facing, fall, cycle) carries over to it.
  movingRight = false;
  speedy = 0.0f;
  airTick = now;
  animStart = now;
  struckCycle = 0;
}

bool Goblin::backToPost(uint32_t now) {
  if (hasPost) lieInWait(postX, postY, now);
  return hasPost;
}

namespace {
const float kStepPerMs = static_cast<float>(kMotionPerMs);  // the goblins move in floats
// The goblins' motion is worked in single precision, the pull included.
const float kGravityGrowth = static_cast<float>(kFallGrowth);  // per ms of frame per ms since airTick
// The point goblins watch lies this far right of and below the hero's sprite corner.
const float kWatchOffset = 5.0f;     // px
const float kNoticeHeight = 100.0f;  // px; farther above or below, the hero goes unnoticed
const float kBoxSize = 50.0f;        // px, the goblin's square
const float kHalfBox = 25.0f;        // px: wall probes at mid-height, feet probe mid-width
const float kLiftRow = 49.0f;        // px, the lowest row inside the box
const float kKnockBackSpeed = 0.4f;  // px per ms: a hit's push takes a few frames

// Walking speed taken up again when the hero leaves notice: the common breed's, by kind.
float restoredSpeed(int kind) { return kSpawnPlaces[goblinSheet::kCommonBreed][kind].walkSpeed; }

// Probe points are cut toward zero, not rounded.
bool solidAt(const CollisionMap& collision, float px, float py) {
  return collision.isSolid(static_cast<int>(px), static_cast<int>(py));
}
}  // namespace

bool Goblin::move(const Tick& tick, const CollisionMap& collision) {
  shown = false;
  if (health <= 0) return false;
  // A goblin at its post stands still, seen once in view, until the hero comes level with it.
  if (waiting) {
    if (!inView()) return false;
    if (std::fabs(heroDy()) >= kNoticeHeight) {
      animStart = tick.now;  // held on its first cell: no cycle ends, so it rolls no jump
      pickFrame(tick.now);
      return false;
    }
    waiting = false;
  }
  float frameMs = tick.movedMs();
  // y moves with the speed from before this frame's gravity. A goblin on the ground
  // keeps its fall speed for the next edge, but the ground holds it up: sinking by it
  // would take the goblin through a thin plank in one long frame.
  if (airborne || speedy < 0.0f) y += frameMs * speedy * kStepPerMs;
  if (airborne) {
    speedy += static_cast<float>(tick.now - airTick) * frameMs * kGravityGrowth;
    if (speedy > kFallSpeedCap) speedy = kFallSpeedCap;
  }
  float step = frameMs * walkSpeed * kStepPerMs;
  x += movingRight ? step : -step;
  x = static_cast<float>(roundToInt(x));
  y = static_cast<float>(roundToInt(y));
  if (rules().goblinsRecoil) pushByKnockBack(frameMs, collision);
  return true;
}

void Goblin::land(const CollisionMap& collision, uint32_t now) {
  resolveCollisions(collision, now);
  pickFrame(now);
}

bool Goblin::inView() const {
  return x + kBoxSize > view.left() && x < view.left() + kScreenWidth && y + kBoxSize > view.top() &&
         y < view.top() + kScreenHeight;
}

float Goblin::heroDy() const { return (player.getY() + (kHeroScreenY + kWatchOffset)) - y; }

void Goblin::watchHero(uint32_t now) {
  float dx = (player.getX() + (kHeroScreenX + kWatchOffset)) - x;
  bool near = false;
  if (std::fabs(heroDy()) >= kNoticeHeight) {
    walkSpeed = restoredSpeed(kind);
  } else if (std::fabs(dx) >= rules().goblinAttackReach) {
    movingRight = dx > 0.0f;
    if (isKind1) walkSpeed = 0.0f;  // kind 1 stands and waits for the hero
  } else {
    near = true;
  }
  if (!rules().goblinsBite) {
    attacking = attacking || near;  // until the next spawn
    return;
  }
  // Under the wild rules the pose is a warning: struck afresh at each meeting, its
  // cycle from the first frame, and given up when the hero gets away.
  if (near && !attacking) poseTick = animStart = now;
  attacking = near;
}

void Goblin::resolveCollisions(const CollisionMap& collision, uint32_t now) {
  // Walls first; with walls on both sides the goblin turns right.
  if (solidAt(collision, x, y + kHalfBox)) {
    movingRight = true;
  } else if (solidAt(collision, x + kBoxSize, y + kHalfBox)) {
    movingRight = false;
  }
  if (!solidAt(collision, x + kHalfBox, y + kBoxSize)) {
    airTick = now;
    airborne = true;
    onGround = false;
    return;
  }
  if (airborne) {
    playEffect(soundLanding, kSoundOnce);
    airborne = false;
    onGround = true;
  }
  // Lifts a goblin that came down into the ground back onto its surface.
  while (solidAt(collision, x + kHalfBox, y + kLiftRow)) y -= 1.0f;
}

// A hit's push, a pixel at a time so that it stops at a wall instead of passing
// through a thin one.
void Goblin::pushByKnockBack(float frameMs, const CollisionMap& collision) {
  int step = knockBack > 0 ? 1 : -1;
  float probeX = step > 0 ? kBoxSize : 0.0f;
  for (int pixels = std::max(1, roundToInt(frameMs * kKnockBackSpeed)); pixels > 0 && knockBack != 0;
       --pixels) {
    if (solidAt(collision, x + probeX + static_cast<float>(step), y + kHalfBox)) {
      knockBack = 0;
      return;
    }
    x += static_cast<float>(step);
    knockBack -= step;
  }
}
