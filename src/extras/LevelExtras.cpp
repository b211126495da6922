#include "extras/LevelExtras.h"

#include <sstream>

#include "extras/Extra.h"
#include "goblins/Goblin.h"
#include "level/Level.h"
#include "platform/Message.h"
#include "platform/RegularFile.h"

namespace {
struct TypeName {
  const char* name;
  int type;
};
const TypeName kTypeNames[] = {{"nut", Nut},           {"animal", Animal},  {"thorn", Hazard},
                               {"trap", DeadlyHazard}, {"exit", LevelExit}, {"goblin", kGoblinPost}};

bool typeNamed(const std::string& name, int& type) {
  for (const TypeName& t : kTypeNames)
    if (name == t.name) return type = t.type, true;
  return false;
}

// One line that is not blank or a comment; false with `why` when it is not "type x y".
bool parseSpot(const std::string& line, ExtraSpot& spot, std::string& why) {
  std::istringstream in(line);
  std::string name, rest;
  in >> name;
  if (name == "clock") {
    spot = {kLevelClock, 0, 0};
    if (!(in >> spot.x) || (in >> rest) || spot.x < kMinClockSeconds || spot.x > kMaxClockSeconds)
      return why = "expected \"clock seconds\", 60 to 999 seconds", false;
    return true;
  }
  if (!typeNamed(name, spot.type))
    return why = "unknown extra \"" + name + "\" (nut, animal, thorn, trap, exit, goblin or clock)", false;
  if (!(in >> spot.x >> spot.y) || (in >> rest)) return why = "expected \"" + name + " x y\"", false;
  if (spot.x < 0 || spot.x >= kLevelWidth || spot.y < 0 || spot.y >= kLevelHeight)
    return why = "x must be 0 to 7199 and y 0 to 1399", false;
  return true;
}
}  // namespace

LevelExtras levelExtras;

namespace {
// Moves the goblin posts and the clock out of a file's list, which keeps the extras in their order.
void splitPosts(std::vector<ExtraSpot>& spots, std::vector<ExtraSpot>& posts, int& clockSeconds) {
  std::vector<ExtraSpot> kept;
  for (const ExtraSpot& s : spots) {
    if (s.type == kLevelClock)
      clockSeconds = s.x;
    else
      (s.type == kGoblinPost ? posts : kept).push_back(s);
  }
  spots.swap(kept);
}
}  // namespace

bool parseExtras(const std::string& text, std::vector<ExtraSpot>& out, int& badLine, std::string& why) {
  out.clear();
  int extrasRead = 0, goblins = 0, clocks = 0;
  std::istringstream lines(text);
  std::string line;
  for (badLine = 1; std::getline(lines, line); ++badLine) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    size_t first = line.find_first_not_of(" \t");
    if (first == std::string::npos || line[first] == '#') continue;
    ExtraSpot spot;
    if (!parseSpot(line, spot, why)) return false;
    if (spot.type == kLevelClock && ++clocks > 1) return why = "more than one clock", false;
    if (spot.type == kLevelClock) {
      out.push_back(spot);
      continue;
    }
    if (spot.type == kGoblinPost ? ++goblins > kGoblinCount : ++extrasRead > kMaxLevelExtras)
      return why = spot.type == kGoblinPost ? "more than 10 goblins" : "more than 99 extras", false;
    out.push_back(spot);
  }
  badLine = 0;
  if (extrasRead == 0) return why = "no extras", false;
  return true;
}

void LevelExtras::load(const std::string& dir) {
  loaded = true;
  spots.assign(kLevelCount, {});
  posts.assign(kLevelCount, {});
  clockSeconds.assign(kLevelCount, 0);
  for (int n = 0; n < kLevelCount; ++n) {
    std::string name = "level" + std::to_string(n) + "-extras.txt";
    std::string path = dir.empty() ? name : dir + "/" + name;
    std::string text, why;
    int line = 0;
    if (!wasRead(readRegularFile(path.c_str(), kMaxTextFileBytes, text))) {
      why = "missing or unreadable";
    } else if (parseExtras(text, spots[n], line, why)) {
      splitPosts(spots[n], posts[n], clockSeconds[n]);
      continue;
    }
    spots[n].clear();
    clockSeconds[n] = 0;
    std::string where = line > 0 ? " line " + std::to_string(line) : "";
    // The line's own bytes go to a terminal: escapes and bytes outside printable ASCII show as '?'.
    for (char& c : why)
      if (c < ' ' || c > '~') c = '?';
    printMessage("%s%s: %s; level %d keeps the classic extras\n", name.c_str(), where.c_str(), why.c_str(),
                 n);
  }
}

const std::vector<ExtraSpot>* LevelExtras::of(int level) {
  if (!loaded) load("");
  if (level < 0 || level >= kLevelCount || spots[level].empty()) return nullptr;
  return &spots[level];
}

const std::vector<ExtraSpot>* LevelExtras::postsOf(int level) {
  if (!of(level) || posts[level].empty()) return nullptr;
  return &posts[level];
}

uint32_t LevelExtras::clockMsOf(int level) {
  if (!of(level) || clockSeconds[level] == 0) return kLevelTimeMs;
  return uint32_t(clockSeconds[level]) * 1000u;
}
