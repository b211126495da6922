#include "scores/HighScores.h"

#include <cctype>
#include <climits>
#include <string>
#include <utility>
#include <vector>

#include "platform/StoredFiles.h"
#include "scores/NameDisplay.h"
#include "scores/ScoreFiles.h"

int32_t scoreValues[kScoreEntries] = {};
// scoreNames and scoreLabels are defined with the other global objects.

namespace {
const int kListX = 250, kListY = 120, kListStepY = 25;  // px
const int kListSize = 20;                               // points
const SDL_Color kWhite = {255, 255, 255, 0};

// The table as this game last read or wrote the files, and the entries it has
// inserted since: what another game's save in between must not lose.
int32_t knownValues[kScoreEntries] = {};
std::string knownNames[kScoreEntries];
std::vector<std::pair<std::string, int32_t>> newEntries;

// Calls take(i, line) for each complete line, up to ten, each kept whole. A
// carriage return right before a line feed is not part of the line; a last line
// without a line feed is not an entry.
template <typename Take>
void forEachLine(const std::string& bytes, Take take) {
  std::string line;
  int i = 0;
  for (size_t at = 0; at < bytes.size() && i < kScoreEntries; ++at) {
    char c = bytes[at];
    if (c == '\n') {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      take(i++, line);
      line.clear();
    } else {
      line.push_back(c);
    }
  }
}

// Reads the files over the table, and keeps their bytes; a file that cannot be
// read leaves its half.
void readTable(ScoreFiles& files, int32_t* values, std::string* names, std::string bytes[2]) {
  if (files.readScores(bytes[0]))
    forEachLine(bytes[0], [values](int i, const std::string& line) { values[i] = parseScoreLine(line); });
  if (files.readNames(bytes[1]))
    forEachLine(bytes[1], [names](int i, const std::string& line) { names[i] = line; });
}

bool insertInto(int32_t* values, std::string* names, const std::string& name, int32_t score) {
  if (score <= values[kScoreEntries - 1]) return false;
  int at = 0;
  while (score <= values[at]) ++at;  // below every equal entry
  for (int i = kScoreEntries - 1; i > at; --i) {
    values[i] = values[i - 1];
    names[i] = names[i - 1];
  }
  values[at] = score;
  names[at] = name;
  return true;
}

void rememberTable() {
  for (int i = 0; i < kScoreEntries; ++i) {
    knownValues[i] = scoreValues[i];
    knownNames[i] = scoreNames[i];
  }
  newEntries.clear();
}

bool isKnownTable(const int32_t* values, const std::string* names) {
  for (int i = 0; i < kScoreEntries; ++i)
    if (values[i] != knownValues[i] || names[i] != knownNames[i]) return false;
  return true;
}

std::string fileText(bool ofNames) {
  std::string text;
  for (int i = 0; i < kScoreEntries; ++i)
    text += (ofNames ? scoreNames[i] : std::to_string(scoreValues[i])) + "\n";
  return text;
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
  ScoreFiles files;
  std::string bytes[2];
  readTable(files, scoreValues, scoreNames, bytes);
  rememberTable();
}

void saveScores() {
  ScoreFiles files;
  int32_t values[kScoreEntries];
  std::string names[kScoreEntries];
  for (int i = 0; i < kScoreEntries; ++i) {
    values[i] = knownValues[i];
    names[i] = knownNames[i];
  }
  std::string onDisk[2];
  readTable(files, values, names, onDisk);
  if (!isKnownTable(values, names)) {
    // Another game saved since: its table, with this game's new entries put in again.
    for (int i = 0; i < kScoreEntries; ++i) {
      scoreValues[i] = values[i];
      scoreNames[i] = names[i];
    }
    for (const auto& entry : newEntries) insertInto(scoreValues, scoreNames, entry.first, entry.second);
  }
  std::string scoresText = fileText(false), namesText = fileText(true);
  // Files that already hold the table are not touched.
  bool same = onDisk[0] == scoresText && onDisk[1] == namesText;
  if (same || files.write(scoresText, namesText)) rememberTable();
  // In the browser the files are a copy in memory: the save is kept only once stored.
  if (!same) storeSavedFiles();
}

void insertScore(const std::string& name, int32_t score) {
  if (insertInto(scoreValues, scoreNames, name, score)) newEntries.emplace_back(name, score);
}

void renderScores() {
  for (int i = 0; i < kScoreEntries; ++i) {
    std::string text = displayName(scoreNames[i]) + " - " + std::to_string(scoreValues[i]);
    renderLabel(scoreLabels[i], text, kListX, kListY + kListStepY * i, kListSize, kWhite);
  }
}
