#include "scores/ScoreFiles.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "scores/FileCalls.h"
#include "scores/ScoreJournal.h"
#include "scores/ScorePaths.h"

namespace {
const char* kFileNames[2] = {"scoredata.txt", "scorenames.txt"};
const char* kLockFile = "scoredata.lock";
const mode_t kNewFileMode = 0666;  // before the umask, as a plain write would create it

// The lock file, made if it may be; -1 when there is none to lock (a read-only
// folder without one, or something else than a regular file in its place).
int openLockFile() {
  const int flags = O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
  int fd = open(kLockFile, flags | O_CREAT, kNewFileMode);
  if (fd < 0) fd = open(kLockFile, flags);
  struct stat st;
  if (fd >= 0 && (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))) {
    close(fd);
    fd = -1;
  }
  return fd;
}

void reportNotRegular(const char* fileName) {
  static bool reported = false;
  if (reported) return;
  reported = true;
  std::printf("%s is not a regular file; the high scores are not saved\n", fileName);
  std::fflush(stdout);
}

// Whether the file may be replaced: a regular file we may write, or none yet.
bool mayReplace(const std::string& target, const char* fileName) {
  struct stat st;
  if (lstat(target.c_str(), &st) != 0) return errno == ENOENT;
  if (!S_ISREG(st.st_mode)) {
    reportNotRegular(fileName);
    return false;
  }
  return access(target.c_str(), W_OK) == 0;
}

// A new file gets the bits a plain write would give it; a replaced one keeps its own.
void copyPermissions(int fd, const std::string& target) {
  struct stat st;
  if (stat(target.c_str(), &st) == 0) {
    if (fchown(fd, st.st_uid, st.st_gid) != 0) {
      // only root may give the file away again; the bits below still hold
    }
    fchmod(fd, st.st_mode & 07777);
  } else {
    mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, kNewFileMode & ~mask);
  }
}

// Truncates and writes a regular file where it is; a crash may leave it half
// written, but a read-only folder allows nothing else.
bool writeInPlace(const std::string& target, const std::string& bytes) {
  int fd = open(target.c_str(), O_WRONLY | O_CREAT | O_NONBLOCK | O_CLOEXEC, kNewFileMode);
  if (fd < 0) return false;
  struct stat st;
  bool ok = fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ftruncate(fd, 0) == 0 && writeDurably(fd, bytes);
  return (close(fd) == 0) && ok;
}
}  // namespace

ScoreFiles::ScoreFiles() {
  lockFd = openLockFile();
  if (lockFd >= 0) {
    while (flock(lockFd, LOCK_EX) != 0 && errno == EINTR) {
    }
  }
  for (int i = 0; i < 2; ++i) targets[i] = followLinks(kFileNames[i]);
  finishChange(targets);
}

ScoreFiles::~ScoreFiles() {
  if (lockFd >= 0) close(lockFd);  // releases the lock
}

bool ScoreFiles::readScores(std::string& bytes) const { return readRegularFile(targets[0], bytes); }

bool ScoreFiles::readNames(std::string& bytes) const { return readRegularFile(targets[1], bytes); }

bool ScoreFiles::write(const std::string& scores, const std::string& names) {
  const std::string* bytes[2] = {&scores, &names};
  for (int i = 0; i < 2; ++i)
    if (!mayReplace(targets[i], kFileNames[i])) return false;
  Replacement pair[2];
  int fds[2] = {-1, -1};
  bool made = true;
  for (int i = 0; i < 2 && made; ++i) {
    pair[i].target = targets[i];
    fds[i] = makeTemporary(targets[i], pair[i].temp);
    made = fds[i] >= 0;
  }
  if (!made) {
    bool full = errno == ENOSPC || errno == EDQUOT;  // writing in place could leave half a table
    if (fds[0] >= 0) {
      close(fds[0]);
      fileCalls.remove(pair[0].temp.c_str());
    }
    return !full && writeInPlace(targets[0], scores) && writeInPlace(targets[1], names);
  }
  bool ok = true;
  for (int i = 0; i < 2; ++i) {
    copyPermissions(fds[i], targets[i]);
    ok = writeDurably(fds[i], *bytes[i]) && ok;
    ok = (close(fds[i]) == 0) && ok;
  }
  // Without a record (the game's folder read-only, the files linked elsewhere)
  // each file is still replaced whole.
  bool recorded = ok && recordChange(pair);
  bool renamed[2] = {false, false};
  for (int i = 0; i < 2; ++i) {
    renamed[i] = ok && fileCalls.rename(pair[i].temp.c_str(), pair[i].target.c_str()) == 0;
    ok = renamed[i];
  }
  syncFolder(targets[0]);
  if (folderOf(targets[1]) != folderOf(targets[0])) syncFolder(targets[1]);
  // With the scores replaced and the names not, a kept record lets the next game
  // finish the change; otherwise nothing of it may stay.
  bool finishLater = renamed[0] && !renamed[1] && recorded;
  for (int i = 0; i < 2; ++i)
    if (!renamed[i] && !finishLater) fileCalls.remove(pair[i].temp.c_str());
  if (recorded && !finishLater) clearChange();
  return ok;
}
