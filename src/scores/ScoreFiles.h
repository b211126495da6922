#pragma once
#include <string>

// The two score files, read and replaced together under a lock that every game
// takes (a lock file beside them; the kernel releases it if a game dies).
class ScoreFiles {
 public:
  // Waits for the lock, then finishes or discards a change that a dead game left.
  ScoreFiles();
  ~ScoreFiles();
  ScoreFiles(const ScoreFiles&) = delete;
  ScoreFiles& operator=(const ScoreFiles&) = delete;

  // Each file's bytes; false for a file that is missing, not a regular file or over 1 MB.
  bool readScores(std::string& bytes) const;
  bool readNames(std::string& bytes) const;
  // Replaces both files together. Returns false, writing nothing, when either is not
  // a regular file (reported once), is read-only, or the disk is full. Where no
  // temporary file can be made beside them (a read-only folder) both are written in place.
  bool write(const std::string& scores, const std::string& names);

 private:
  int lockFd = -1;
  std::string targets[2];  // the scores and names files at the end of their links
};
