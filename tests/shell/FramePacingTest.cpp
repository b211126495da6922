// The main loop paces itself to a fixed step, so the hero and the goblins
// move the same however short the machine's frames are. A requested step
// is how far the fake clock moves before each pass.

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "ShellTestFixture.h"
#include "goblins/Goblin.h"
#include "level/Level.h"
#include "level/LevelBuild.h"

namespace {
const uint32_t kFree = 0xFFFFFFFF;  // opaque white
const uint32_t kRock = 0xFF000000;  // opaque black
const int kWorldW = 4000;           // px
const int kWorldH = 1000;           // px
const int kFloorTop = 600;          // px, the ground everyone stands on
const int kLedgeTop = 200;          // px, where the hero waits while a goblin walks
const uint32_t kRunMs = 1000;       // game time of each run
const int kParkedY = -1000000;      // px; far from any hero

struct Motion {
  float distance = 0.0f;    // px, along x
  float jumpHeight = 0.0f;  // px above the start
};

class FramePacingTest : public ShellTest {
 public:
  void SetUp() override {
    ShellTest::SetUp();
    Picture picture = rgbaPicture(kWorldW, kWorldH, kFree);
    paintRect(picture.get(), 0, kFloorTop, kWorldW, kWorldH, kRock);
    paintRect(picture.get(), 0, kLedgeTop, kWorldW, kLedgeTop + 30, kRock);
    world = collisionOf(picture.get());
    levelBuild.waitFor(0);  // painted and kept while the test borrows it
    std::swap(levels[0].collision, world);
    for (Extra& e : extras) e.y = kParkedY;
    for (Goblin& g : goblins) g.health = 0;
    GameState = Playing;
  }
  void TearDown() override {
    std::swap(levels[0].collision, world);
    for (int i = 0; i < kGoblinCount; ++i) goblins[i].spawn(i);
  }
  // The hero stands on the ground (or the ledge) with its view corner at x.
  void heroStandsAt(float x, int floorTop) {
    placeHero(x, static_cast<float>(floorTop - 258));
    player.jum = false;
    player.speedx = player.speedy = 0.0f;
  }
  // Passes of the real main loop for kRunMs of game time, the fake clock moving
  // `stepMs` before each; tracks `where` whatever moves is, as (x, y).
  template <typename Where>
  Motion run(uint32_t stepMs, Where where) {
    const auto [x0, y0] = where();
    float top = y0;
    uint32_t start = nowMs();
    while (nowMs() - start < kRunMs) {
      runPasses(1, stepMs);
      top = std::min(top, where().second);
    }
    // Per second of game time, so a step that does not divide a second compares fairly.
    float seconds = static_cast<float>(nowMs() - start) / 1000.0f;
    return {(where().first - x0) / seconds, y0 - top};
  }
  Motion heroRun(uint32_t stepMs, Action action) {
    heroStandsAt(100.0f, kFloorTop);
    runPasses(3, 16);
    pressAction(action);
    Motion m = run(stepMs, [] { return std::pair(player.getX(), player.getY()); });
    releaseAction(action);
    runPasses(1, 16);
    return m;
  }
  Motion goblinWalk(uint32_t stepMs, int kind, bool rare) {
    Goblin& g = goblins[0];
    std::tie(g.kind, g.isKind0, g.isKind1, g.isKind2, g.rareBreed, g.commonBreed) =
        std::tuple(kind, kind == 0, kind == 1, kind == 2, rare, !rare);
    std::tie(g.health, g.jumpChance, g.attacking, g.walkSpeed, g.speedy, g.movingRight) =
        std::tuple(100, 0, false, rare ? 0.35f : 1.0f, 0.0f, true);
    std::tie(g.x, g.y) = std::pair(1000.0f, float(kFloorTop - 50));
    // A rare walker watches a hero far to its right on its own floor; the
    // others go about their business under a hero who waits on the ledge.
    if (rare)
      heroStandsAt(3200.0f, kFloorTop);
    else
      heroStandsAt(1000.0f, kLedgeTop);
    runPasses(3, 16);  // settle on the ground
    return run(stepMs, [] { return std::pair(goblins[0].x, goblins[0].y); });
  }
  CollisionMap world;  // the level's own while the test borrows the level
};

bool within(float value, float reference, float share) {
  return std::abs(value - reference) <= std::abs(reference) * share;
}

// Everything that moves in one second of play, at one requested step: the hero
// running right and left and jumping, the common breed of each kind minding its
// own business, and the slowest walker of all, a rare spearman, walking to the hero.
std::vector<float> measure(FramePacingTest& t, uint32_t stepMs) {
  return {t.heroRun(stepMs, Action::RunRight).distance, t.heroRun(stepMs, Action::RunLeft).distance,
          t.heroRun(stepMs, Action::Jump).jumpHeight,   t.goblinWalk(stepMs, 0, false).distance,
          t.goblinWalk(stepMs, 1, false).distance,      t.goblinWalk(stepMs, 2, false).distance,
          t.goblinWalk(stepMs, 2, true).distance};
}
}  // namespace

TEST_F(FramePacingTest, HeroAndGoblinsMoveTheSameAtEveryFrameStep) {
  const float kShare = 0.07f;
  const std::vector<float> ref = measure(*this, 16);
  // The figures the game is tuned to: run 300 px/s, jump about 105 px.
  EXPECT_TRUE(within(ref[0], 300.0f, kShare)) << ref[0];
  EXPECT_TRUE(within(ref[2], 105.0f, kShare)) << ref[2];
  for (uint32_t step : {1u, 5u, 33u}) {
    const std::vector<float> f = measure(*this, step);
    for (size_t i = 0; i < f.size(); ++i) {
      // Kind 2 walks 1.6 px a 16 ms frame, which rounds to 2; a 33 ms frame of a
      // slow machine gives 3.3, which rounds to 3. Only frames the pacing can
      // lengthen promise the same walk; longer ones still walk the same way.
      const bool same = step <= 16 || i < 5;
      EXPECT_TRUE(same ? within(f[i], ref[i], kShare) : f[i] > 0.0f)
          << "figure " << i << ", step " << step << ": " << f[i];
    }
  }
}
