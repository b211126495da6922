#include "scores/ScoreJournal.h"

#include <sys/stat.h>
#include <unistd.h>

#include <sstream>

#include "scores/FileCalls.h"
#include "scores/ScorePaths.h"

namespace {
// A record holds four lines: two pairs of paths.
const int kRecordLines = 4;

// A path of the record; one without a folder, as older games wrote them, is
// taken from the record's own folder.
std::string pathInRecord(const std::string& path, const std::string& journal) {
  return path.empty() || path[0] == '/' ? path : folderOf(journal) + "/" + path;
}

// The pair the record names, if it is whole and names a change to `targets`.
bool readRecord(const std::string& journal, const std::string targets[2], Replacement pair[2]) {
  std::string bytes;
  if (readScoreFile(journal, kRecordLines, bytes) != FileState::Read || bytes.empty()) return false;
  std::istringstream in(bytes);
  for (int i = 0; i < 2; ++i) {
    if (!std::getline(in, pair[i].temp) || !std::getline(in, pair[i].target)) return false;
    pair[i].temp = pathInRecord(pair[i].temp, journal);
    pair[i].target = pathInRecord(pair[i].target, journal);
    if (pair[i].target != targets[i] || !isTemporaryOf(pair[i].temp, pair[i].target)) return false;
  }
  return bytes.back() == '\n';
}

bool isRegularFile(const std::string& path) {
  struct stat st;
  return lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}
}  // namespace

bool recordChange(const std::string& journal, const Replacement pair[2]) {
  std::string bytes;
  for (int i = 0; i < 2; ++i) bytes += pair[i].temp + "\n" + pair[i].target + "\n";
  std::string temp;
  int fd = makeTemporary(journal, temp);
  if (fd < 0) return false;
  // The record appears whole or not at all.
  bool ok = writeDurably(fd, bytes);
  ok = (close(fd) == 0) && ok && fileCalls.rename(temp.c_str(), journal.c_str()) == 0;
  if (!ok) {
    fileCalls.remove(temp.c_str());
    return false;
  }
  syncFolder(journal);
  return true;
}

void clearChange(const std::string& journal) {
  // Not made durable: a record that comes back names temporary files that are
  // gone, and the next game drops it.
  fileCalls.remove(journal.c_str());
}

bool finishChange(const std::string& journal, const std::string targets[2]) {
  Replacement pair[2];
  if (readRecord(journal, targets, pair)) {
    // The record was written after both temporary files were complete; one
    // already renamed is simply gone.
    for (const Replacement& r : pair) {
      if (isRegularFile(r.temp) && fileCalls.rename(r.temp.c_str(), r.target.c_str()) != 0) return false;
      syncFolder(r.target);
    }
  }
  struct stat st;
  if (lstat(journal.c_str(), &st) == 0) clearChange(journal);
  for (int i = 0; i < 2; ++i) removeTemporariesOf(targets[i]);
  removeTemporariesOf(journal);
  return true;
}

void recordedSources(const std::string& journal, const std::string targets[2], std::string sources[2]) {
  Replacement pair[2];
  bool recorded = readRecord(journal, targets, pair);
  for (int i = 0; i < 2; ++i)
    sources[i] = recorded && isRegularFile(pair[i].temp) ? pair[i].temp : targets[i];
}
