#include "scores/HighScores.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <string>

int32_t scoreValues[kScoreEntries] = {};
// scoreNames and scoreLabels are defined with the other global objects.

namespace {
const char* kScoresFile = "scoredata.txt";
const char* kNamesFile = "scorenames.txt";
// Longest line kept; a longer one is cut so a garbage file cannot eat memory.
const size_t kMaxLineChars = 4096;
const int kListX = 250, kListY = 120, kListStepY = 25;  // px
const int kListSize = 20;                               // points
const SDL_Color kWhite = {255, 255, 255, 0};
const int kMaxLinkHops = 40;        // links followed before giving up, as the kernel does
const size_t kMaxLinkChars = 4096;  // longest link target read

// Calls take(i, line) for each complete line of the file, up to ten. A
// carriage return right before a line feed is not part of the line; a last
// line without a line feed is not an entry.
template <typename Take>
void readLines(const char* fileName, Take take) {
  FILE* f = std::fopen(fileName, "r");
  if (!f) return;
  std::string line;
  int i = 0;
  int c;
  while (i < kScoreEntries && (c = std::fgetc(f)) != EOF) {
    if (c == '\n') {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      take(i++, line);
      line.clear();
    } else if (line.size() < kMaxLineChars) {
      line.push_back(static_cast<char>(c));
    }
  }
  std::fclose(f);
}

// The file that `path` names: the end of its chain of symbolic links, so a save
// writes through a link instead of replacing it. A relative link target is taken
// from the link's own folder.
std::string followLinks(std::string path) {
  for (int hop = 0; hop < kMaxLinkHops; ++hop) {
    struct stat st;
    if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    char target[kMaxLinkChars];
    ssize_t n = readlink(path.c_str(), target, sizeof target);
    if (n <= 0 || static_cast<size_t>(n) == sizeof target) return path;
    std::string next(target, static_cast<size_t>(n));
    size_t slash = path.rfind('/');
    if (next[0] != '/' && slash != std::string::npos) next = path.substr(0, slash + 1) + next;
    path = next;
  }
  return path;
}

// Writes the ten lines, makes them durable and closes the file; false when any of it failed.
template <typename Line>
bool writeAndClose(FILE* f, Line lineOf) {
  bool ok = true;
  for (int i = 0; i < kScoreEntries; ++i) {
    std::string line = lineOf(i) + "\n";
    ok = ok && std::fwrite(line.data(), 1, line.size(), f) == line.size();
  }
  ok = ok && std::fflush(f) == 0 && fsync(fileno(f)) == 0;
  return (std::fclose(f) == 0) && ok;
}

// Writes the ten lines to a temporary file beside the file, then renames it over
// the old one, so a crash or a full disk never leaves half a table. Where no
// temporary file can be made (a read-only folder, its name taken), the file is
// written in place, as a plain write would; but not on a full disk, where that
// could leave half a table. A file that may not be written is left alone, as a
// plain write would leave it.
template <typename Line>
void writeLines(const char* fileName, Line lineOf) {
  std::string target = followLinks(fileName);
  struct stat old;
  bool exists = stat(target.c_str(), &old) == 0;
  if (exists && access(target.c_str(), W_OK) != 0) return;
  std::string temp = target + ".tmp";
  int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0666);
  if (fd < 0) {
    if (errno == ENOSPC || errno == EDQUOT) return;
    if (FILE* f = std::fopen(target.c_str(), "w")) writeAndClose(f, lineOf);
    return;
  }
  if (exists) fchmod(fd, old.st_mode & 07777);  // the file keeps its permission bits
  FILE* f = fdopen(fd, "w");
  if (!f) close(fd);
  bool ok = f && writeAndClose(f, lineOf) && std::rename(temp.c_str(), target.c_str()) == 0;
  if (!ok) std::remove(temp.c_str());
}
}  // namespace

int32_t parseScoreLine(const std::string& line) {
  size_t i = 0;
  while (i < line.size() && std::isspace(static_cast<unsigned char>(line[i]))) ++i;
  bool negative = false;
  if (i < line.size() && (line[i] == '-' || line[i] == '+')) negative = line[i++] == '-';
  long long value = 0;
  bool digits = false;
  for (; i < line.size() && std::isdigit(static_cast<unsigned char>(line[i])); ++i) {
    digits = true;
    value = value * 10 + (line[i] - '0');
    if (value > INT_MAX) value = INT_MAX + 1LL;  // keep clamping without overflow
  }
  if (!digits) return 0;
  if (negative) return value > INT_MAX ? INT_MIN : static_cast<int32_t>(-value);
  return value > INT_MAX ? INT_MAX : static_cast<int32_t>(value);
}

void loadScores() {
  readLines(kScoresFile, [](int i, const std::string& line) { scoreValues[i] = parseScoreLine(line); });
  readLines(kNamesFile, [](int i, const std::string& line) { scoreNames[i] = line; });
}

void saveScores() {
  writeLines(kScoresFile, [](int i) { return std::to_string(scoreValues[i]); });
  writeLines(kNamesFile, [](int i) { return scoreNames[i]; });
}

void insertScore(const std::string& name, int32_t score) {
  if (score <= scoreValues[kScoreEntries - 1]) return;
  int at = 0;
  while (score <= scoreValues[at]) ++at;  // below every equal entry
  for (int i = kScoreEntries - 1; i > at; --i) {
    scoreValues[i] = scoreValues[i - 1];
    scoreNames[i] = scoreNames[i - 1];
  }
  scoreValues[at] = score;
  scoreNames[at] = name;
}

void renderScores() {
  for (int i = 0; i < kScoreEntries; ++i) {
    std::string text = scoreNames[i] + " - " + std::to_string(scoreValues[i]);
    renderLabel(scoreLabels[i], text, kListX, kListY + kListStepY * i, kListSize, kWhite);
  }
}
