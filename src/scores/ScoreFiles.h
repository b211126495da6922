#pragma once
#include <string>

#include "scores/ScorePaths.h"

// The two score files, read and replaced together under a lock that every game
// takes: a lock file beside the real scores file, so games in different folders
// whose links lead to one pair share it; the kernel releases it if a game dies.
class ScoreFiles {
 public:
  // Waits for the lock, a bounded time and only until a stop is requested; then
  // finishes or discards a change that a dead game left.
  ScoreFiles();
  ~ScoreFiles();
  ScoreFiles(const ScoreFiles&) = delete;
  ScoreFiles& operator=(const ScoreFiles&) = delete;

  // Each file's first 1 MB (see readScoreFile); false for a missing or unreadable file.
  // While a record of a save is not finished, the table it restores is read instead.
  bool readScores(std::string& bytes);
  bool readNames(std::string& bytes);
  // Replaces both files together, or neither: false, writing nothing, when the lock
  // was not taken, a record is not finished, either file is not a regular file,
  // could not be read by this object or is read-only, or either cannot be replaced
  // whole. Each but the read-only file is said in one line. In a read-only folder,
  // and where a file has other hard links, both are written in place under a
  // record in the lock file. True also when the save is only in its record so far,
  // which is said in one line.
  bool write(const std::string& scores, const std::string& names);

 private:
  bool mayReplace(int which) const;
  bool finishInPlace() const;
  bool writeInPlace(const std::string bytes[2]) const;

  int lockFd = -1, linkLockFd = -1;
  bool locked = false, finished = false, lockWritable = false, linked = false;
  std::string targets[2];  // the scores and names files at the end of their links
  std::string sources[2];  // where the table is read: the targets, or what a record restores
  bool inPlaceRecord = false;
  std::string recorded[2];  // the files' bytes in an unfinished record in the lock file
  std::string lockPath, journalPath;
  std::string unlockedPath;                                              // the file whose lock was not taken
  FileState states[2] = {FileState::Unreadable, FileState::Unreadable};  // until read
};
