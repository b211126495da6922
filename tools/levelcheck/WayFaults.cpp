#include "WayFaults.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <set>

#include "extras/Extra.h"
#include "level/Level.h"
#include "player/Player.h"
#include "player/View.h"
#include "state/Rules.h"

namespace {
const float kSeenEarlyMs = 750.0f;     // a hazard on the way shows at least this long before it can hurt
const float kFullRunPxPerMs = 0.3f;    // the hero's run
const float kReachSlackPx = 50.0f;     // a tile's stray to either side of the way still touches
const int kTightRisePx = 85;           // a landing floor higher than this above the take-off is tight
const int kJumpRisePx = 105;           // how high a jump rises, feet to feet
const int kLandingRoomPx = 100;        // two tiles to stand on
const float kBlindTrapPx = 100.0f;     // a hazard this near a landing must show at take-off
const int kViewW = 640, kViewH = 480;  // px of the screen
const int kExtraPx = 50;               // a thorn's or a trap's side
const int kFootX = 320, kFootY = 258;  // the foot probe from the view corner, px
const int kOnFloorPx = 8;              // a hazard this close above a floor lies on it

// One frame of the way: the hero and the lead of the view as the game eases it.
struct WayFrame {
  HeroState hero;
  float lead;
};

bool solid(const Level& level, int x, int y) {
  const CollisionMap& c = level.getCollisionMap();
  return x >= 0 && y >= 0 && x < c.width() && y < c.height() && level.isSolid(x, y);
}

bool shows(const WayFrame& f, const Target& t) {
  const ViewCorner v = viewCorner(f.hero.x, f.hero.y, f.lead);
  const float left = f.hero.x + v.left, top = f.hero.y + v.top + float(rules().statusBandPx),
              bottom = top + float(kViewH - rules().statusBandPx);
  return t.x + kExtraPx > left && t.x < left + kViewW && t.y + kExtraPx > top && t.y < bottom;
}

// Within reach: the game's touch, with the hero up to kReachSlackPx to either side.
bool inReach(const HeroState& s, const Target& t) {
  const float off = float(t.x) + kExtraPx / 2.0f - (s.x + kHeroScreenX);
  return touchesExtra(t.type, t.x, t.y, s.x + std::clamp(off, -kReachSlackPx, kReachSlackPx), s.y);
}

// A frame's time at full speed: in the air as long as it is, on the ground as long
// as a full run takes to cover it, so standing and slowing down cost nothing.
float fullRunMs(const HeroState& before, const HeroState& after) {
  return after.jum || before.jum ? kRouteFrameMs : std::fabs(after.x - before.x) / kFullRunPxPerMs;
}

// Is the floor whose top is `top` there at `x`, free of a hazard lying on it?
bool floorAt(const Level& level, const std::vector<Target>& targets, int x, int top) {
  if (!solid(level, x, top) || solid(level, x, top - 1)) return false;
  for (const Target& t : targets)
    if (isDanger(t.type) && std::abs(t.y + kExtraPx - top) <= kOnFloorPx && x >= t.x && x < t.x + kExtraPx)
      return false;
  return true;
}

// The width of the floor under `s` at its height, px, counted up to kLandingRoomPx:
// a step up or down, a gap or a hazard lying on it ends it.
int standingRoom(const Level& level, const std::vector<Target>& targets, const HeroState& s) {
  const int foot = int(s.x) + kFootX, top = int(s.y) + kFootY;
  int room = 1;
  for (int dir : {-1, 1})
    for (int x = foot + dir; room < kLandingRoomPx && floorAt(level, targets, x, top); x += dir) ++room;
  return room;
}

// How far the far wall of the gap a move crosses rises to the landing floor, px; 0
// without a gap. The landing ledge is followed back toward the take-off; the column
// just before its edge, if the move passed over it, is the gap, and its ground the foot.
int farWallPx(const Level& level, const HeroState& from, const HeroState& to) {
  const int a = int(from.x) + kFootX, b = int(to.x) + kFootX, top = int(to.y) + kFootY;
  if (a == b) return 0;
  const int dir = b > a ? 1 : -1;
  int x = b;
  while (x != a && solid(level, x, top)) x -= dir;
  if (x == a) return 0;
  const int height = level.getCollisionMap().height();
  int foot = top;
  while (foot < height && !solid(level, x, foot)) ++foot;
  return foot - top;
}

const char* nameOf(int type) { return type == Hazard ? "thorn" : "trap"; }
}  // namespace

WayFaults findWayFaults(int level, const SearchResult& r, const RouteFigures& fig) {
  WayFaults faults;
  if (!fig.found) return faults;
  const Level& map = levels[level];
  HeroSim sim(map.getCollisionMap(), level);
  // The way frame by frame: the fall at the start, then each move, the lead eased as in play.
  std::vector<WayFrame> way;
  std::vector<size_t> moveStart;  // the frame each move of fig.moves starts at
  float lead = 0.0f;
  auto add = [&](const HeroState& s) {
    lead = easedLead(lead, s.x, s.speedx, kRouteFrameMs);
    way.push_back({s, lead});
  };
  sim.load(r.from);
  add(sim.save());
  for (int f = 0; f < r.startFrames; ++f) sim.step({}), add(sim.save());
  std::vector<HeroState> frames;
  for (int i : fig.moves) {
    const Edge& e = r.edges[i];
    frames.clear();
    playMove(sim, r.places[e.from], searchMoves()[e.move], &frames);
    if (e.to == kExitPlace) frames.resize(std::min(frames.size(), size_t(e.frames)));
    moveStart.push_back(way.size() - 1);  // the take-off: the frame it stands at
    for (const HeroState& s : frames) add(s);
  }

  for (const Target& t : r.targets) {
    if (!isDanger(t.type)) continue;
    size_t seen = way.size();
    float ms = 0.0f;
    for (size_t f = 0; f < way.size(); ++f) {
      if (seen == way.size() && shows(way[f], t)) seen = f;
      if (seen < f) ms += fullRunMs(way[f - 1].hero, way[f].hero);
      if (!inReach(way[f].hero, t)) continue;
      if (seen == way.size() || ms < kSeenEarlyMs) {
        ++faults.unseenHazards;
        std::printf("  unseen %s %d at (%d, %d): in reach %.2f s after it showed\n", nameOf(t.type), t.index,
                    t.x, t.y, ms / 1000.0f);
      }
      break;
    }
  }

  std::set<int> blind;
  std::set<std::pair<int, int>> narrow;
  auto landing = [&](const HeroState& from, const HeroState& to, size_t takeOff, bool jump) {
    auto [x, y] = spriteCorner(to);
    const int room = standingRoom(map, r.targets, to);
    if (room < kLandingRoomPx && narrow.insert({x / kExtraPx, y / kExtraPx}).second) {
      ++faults.narrowLandings;
      std::printf("  narrow landing at (%d, %d): %d px to stand on\n", x, y, room);
    }
    const int rise = int(from.y - to.y), wall = jump ? farWallPx(map, from, to) : 0;
    if (rise > kTightRisePx || wall > kJumpRisePx) {
      ++faults.tightRises;
      auto [fx, fy] = spriteCorner(from);
      std::printf("  tight rise from (%d, %d) to (%d, %d): %d px up, far wall %d px\n", fx, fy, x, y, rise,
                  wall);
    }
    if (!jump) return;
    const float landX = to.x + kHeroScreenX, landY = to.y + kHeroScreenY;
    for (const Target& t : r.targets) {
      if (!isDanger(t.type) || blind.count(t.index)) continue;
      const float cx = t.x + kExtraPx / 2.0f, cy = t.y + kExtraPx / 2.0f;
      if (std::fabs(cx - landX) > kBlindTrapPx || std::fabs(cy - landY) > kBlindTrapPx) continue;
      if (shows(way[takeOff], t)) continue;
      blind.insert(t.index);
      std::printf("  blind %s %d at (%d, %d) by the landing at (%d, %d)\n", nameOf(t.type), t.index, t.x, t.y,
                  x, y);
    }
  };
  landing(r.from, r.places[0], 0, false);
  for (size_t k = 0; k < fig.moves.size(); ++k) {
    const Edge& e = r.edges[fig.moves[k]];
    if (e.to == kExitPlace) continue;
    const HeroState &from = r.places[e.from], &to = r.places[e.to];
    const bool jump = searchMoves()[e.move].jump;
    if (jump || to.y != from.y) landing(from, to, moveStart[k], jump);
  }
  faults.blindTraps = int(blind.size());
  return faults;
}
