// The pool of goblins left alone on each real level for 28 s of 16 ms passes: they walk
// the level and fall off its edges, but never hover and never stay long in the air.
#include <algorithm>
#include <cstdlib>

#include "GoblinTestFixture.h"
#include "level/LevelBuild.h"
#include "play/Contacts.h"
#include "shell/GameFlow.h"

namespace {
const uint32_t kPassMs = 16;
const int kPasses = 28000 / kPassMs;
const int kMaxAirPasses = 3000 / kPassMs;  // 3 s
const float kOutOfNoticeY = -1000.0f;      // the hero far above every goblin
const float kFreshFallSpeed = 4.0f;        // tenths of a px per ms, a goblin's first speed
}  // namespace

TEST(GoblinLevelsTest, GoblinsLeftAloneFallOffEdgesAsBeforeAndBriefly) {
  SavedGameState saved;  // the level, a fresh hero and the goblins' jump chances after
  for (int level = 0; level < kLevelCount; ++level) {
    levelBuild.waitFor(level);
    levelIndex = level;
    std::srand(1);
    placeHero(kStartX, kStartY);
    for (Goblin& goblin : goblins) {
      // What a spawn keeps from before, as a fresh start has it, so earlier tests do not count.
      goblin.speedy = kFreshFallSpeed;
      goblin.movingRight = false;
      goblin.airTick = goblin.animStart = nowMs();
    }
    for (int i = 0; i < kGoblinCount; ++i) {
      goblins[i].spawn(i);
      goblins[i].jumpChance = 0;  // a jump's long arc would swamp the count
    }
    player.setY(kOutOfNoticeY);
    int airPasses = 0, longestAir = 0, airRun[kGoblinCount] = {};
    for (int pass = 0; pass < kPasses; ++pass) {
      gameClock.advance(kPassMs);
      for (int i = 0; i < kGoblinCount; ++i) {
        contacts.stepGoblin(goblins[i], tickNow(static_cast<float>(kPassMs)),
                            levels[level].getCollisionMap());
        airRun[i] = goblins[i].airborne ? airRun[i] + 1 : 0;
        airPasses += goblins[i].airborne;
        longestAir = std::max(longestAir, airRun[i]);
      }
    }
    EXPECT_LE(longestAir, kMaxAirPasses) << "level " << level;
    EXPECT_GT(airPasses, 0) << "level " << level;  // some walked off an edge
  }
}
