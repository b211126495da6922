#include "scores/ScoreJournal.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <sstream>

#include "scores/FileCalls.h"
#include "scores/ScorePaths.h"

namespace {
const char* kJournalFile = "scoredata.journal";

// The pair the record names, if it is whole and names a change to `targets`.
bool readRecord(const std::string targets[2], Replacement pair[2]) {
  std::string bytes;
  if (!readRegularFile(kJournalFile, bytes)) return false;
  std::istringstream in(bytes);
  for (int i = 0; i < 2; ++i) {
    if (!std::getline(in, pair[i].temp) || !std::getline(in, pair[i].target)) return false;
    if (pair[i].target != targets[i] || !isTemporaryOf(pair[i].temp, pair[i].target)) return false;
  }
  return bytes.back() == '\n';
}
}  // namespace

bool recordChange(const Replacement pair[2]) {
  std::string bytes;
  for (int i = 0; i < 2; ++i) bytes += pair[i].temp + "\n" + pair[i].target + "\n";
  std::string temp;
  int fd = makeTemporary(kJournalFile, temp);
  if (fd < 0) return false;
  // The record appears whole or not at all.
  bool ok = writeDurably(fd, bytes);
  ok = (close(fd) == 0) && ok && fileCalls.rename(temp.c_str(), kJournalFile) == 0;
  if (!ok) {
    fileCalls.remove(temp.c_str());
    return false;
  }
  syncFolder(kJournalFile);
  return true;
}

void clearChange() {
  // Not made durable: a record that comes back names temporary files that are
  // gone, and the next game drops it.
  fileCalls.remove(kJournalFile);
}

void finishChange(const std::string targets[2]) {
  Replacement pair[2];
  if (readRecord(targets, pair)) {
    // The record was written after both temporary files were complete; one
    // already renamed is simply gone.
    for (const Replacement& r : pair) {
      struct stat st;
      if (lstat(r.temp.c_str(), &st) == 0 && S_ISREG(st.st_mode))
        fileCalls.rename(r.temp.c_str(), r.target.c_str());
      syncFolder(r.target);
    }
  }
  struct stat st;
  if (lstat(kJournalFile, &st) == 0) clearChange();
  for (int i = 0; i < 2; ++i) removeTemporariesOf(targets[i]);
  removeTemporariesOf(kJournalFile);
}
