#include "scores/ScoreFiles.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "platform/Message.h"
#include "platform/StopRequest.h"
#include "platform/WaitWork.h"
#include "scores/FileCalls.h"
#include "scores/ScoreJournal.h"

namespace {
const char* kFileNames[2] = {"scoredata.txt", "scorenames.txt"};
const int kLines = 10;                  // lines of each file
const mode_t kNewFileMode = 0666;       // before the umask, as a plain write would create it
const int kLockRetries = 200;           // tries after the first: about 2 s in all
const useconds_t kLockRetryUs = 10000;  // between tries; a stop request is seen within it

// Says, in one line, that the table was not saved, and why; always false.
bool reportUnsaved(const std::string& why) {
  printMessage("%s; the high scores are not saved\n", why.c_str());
  return false;
}

// `path` without its last extension: the name the lock and the record share.
std::string stemOf(const std::string& path) {
  size_t dot = path.rfind('.'), slash = path.rfind('/');
  return dot != std::string::npos && (slash == std::string::npos || dot > slash + 1) ? path.substr(0, dot)
                                                                                     : path;
}

// The lock file, made if it may be; -1 when it cannot be opened or is not a
// regular file (a folder, a link): then nothing is saved.
int openLockFile(const std::string& path) {
  const int flags = O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
  int fd = open(path.c_str(), flags | O_CREAT, kNewFileMode);
  if (fd < 0) fd = open(path.c_str(), flags);  // a read-only folder may hold one already
  struct stat st;
  if (fd >= 0 && (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))) {
    close(fd);
    fd = -1;
  }
  return fd;
}

// A game that holds the lock may be stopped: waiting for it has a bound, and ends
// at once when the player asks the game to stop.
bool takeLock(int fd) {
  for (int retry = 0;; ++retry) {
    if (flock(fd, LOCK_EX | LOCK_NB) == 0) return true;
    if ((errno != EWOULDBLOCK && errno != EINTR) || retry == kLockRetries || stopRequested()) return false;
    waitWork.run();
    usleep(kLockRetryUs);
  }
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

bool isReadOnlyFolder(int error) { return error == EACCES || error == EROFS || error == EPERM; }
}  // namespace

ScoreFiles::ScoreFiles() {
  for (int i = 0; i < 2; ++i) targets[i] = realFileOf(kFileNames[i]);
  // Beside the real scores file, so every folder whose links lead there shares them.
  lockPath = stemOf(targets[0]) + ".lock";
  journalPath = stemOf(targets[0]) + ".journal";
  // Nothing but a regular file is ever saved to, so no lock is made beside a device.
  struct stat st;
  if (lstat(targets[0].c_str(), &st) != 0 || S_ISREG(st.st_mode)) lockFd = openLockFile(lockPath);
  locked = lockFd >= 0 && takeLock(lockFd);
  // Unlocked, the files are still read, but nothing is changed.
  finished = locked && finishChange(journalPath, targets);
}

ScoreFiles::~ScoreFiles() {
  if (lockFd >= 0) close(lockFd);  // releases the lock
}

bool ScoreFiles::readScores(std::string& bytes) {
  states[0] = readScoreFile(targets[0], kLines, bytes);
  return states[0] == FileState::Read;
}

bool ScoreFiles::readNames(std::string& bytes) {
  states[1] = readScoreFile(targets[1], kLines, bytes);
  return states[1] == FileState::Read;
}

// Whether the file may be replaced: a regular file read whole enough and writable, or none yet.
bool ScoreFiles::mayReplace(int which) const {
  const std::string name = kFileNames[which];
  struct stat st;
  bool there = lstat(targets[which].c_str(), &st) == 0;
  if (there && !S_ISREG(st.st_mode)) return reportUnsaved(name + " is not a regular file");
  // Writing over what could not be read would lose its entries.
  if (states[which] == FileState::Unreadable) return reportUnsaved(name + " could not be read");
  // A read-only file is the player's wish: left alone without a word.
  return !there || access(targets[which].c_str(), W_OK) == 0;
}

// Both files truncated and written where they are; a crash may leave them half
// written, but a read-only folder allows nothing else.
bool ScoreFiles::writeInPlace(const std::string* bytes[2]) const {
  int fds[2];
  bool ok = true;
  // Both open before either is cut, so one that cannot be written leaves the other whole.
  for (int i = 0; i < 2; ++i) {
    fds[i] = open(targets[i].c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    struct stat st;
    ok = ok && fds[i] >= 0 && fstat(fds[i], &st) == 0 && S_ISREG(st.st_mode);
  }
  for (int i = 0; i < 2; ++i) ok = ok && ftruncate(fds[i], 0) == 0 && writeDurably(fds[i], *bytes[i]);
  for (int fd : fds)
    if (fd >= 0) ok = close(fd) == 0 && ok;
  return ok || reportUnsaved("the score files could not be written in their read-only folder");
}

bool ScoreFiles::write(const std::string& scores, const std::string& names) {
  for (int i = 0; i < 2; ++i)
    if (!mayReplace(i)) return false;
  if (!locked) return reportUnsaved(lockPath + " could not be locked");
  if (!finished) return reportUnsaved(journalPath + " names a save that could not be finished");
  const std::string* bytes[2] = {&scores, &names};
  Replacement pair[2];
  int fds[2] = {-1, -1};
  for (int i = 0; i < 2 && (i == 0 || fds[0] >= 0); ++i) {
    pair[i].target = targets[i];
    fds[i] = makeTemporary(targets[i], pair[i].temp);
  }
  if (fds[0] < 0 || fds[1] < 0) {
    int error = errno;
    if (fds[0] >= 0) {
      close(fds[0]);
      fileCalls.remove(pair[0].temp.c_str());
    }
    if (isReadOnlyFolder(error)) return writeInPlace(bytes);
    return reportUnsaved("no temporary file could be made beside the score files");
  }
  bool ok = true;
  for (int i = 0; i < 2; ++i) {
    copyPermissions(fds[i], targets[i]);
    ok = writeDurably(fds[i], *bytes[i]) && ok;
    ok = (close(fds[i]) == 0) && ok;
  }
  ok = ok && recordChange(journalPath, pair);
  if (!ok || fileCalls.rename(pair[0].temp.c_str(), targets[0].c_str()) != 0) {
    for (const Replacement& r : pair) fileCalls.remove(r.temp.c_str());
    if (ok) clearChange(journalPath);
    return reportUnsaved("the score files could not be written");
  }
  bool namesRenamed = fileCalls.rename(pair[1].temp.c_str(), targets[1].c_str()) == 0;
  syncFolder(targets[0]);
  if (folderOf(targets[1]) != folderOf(targets[0])) syncFolder(targets[1]);
  // With the names not renamed, the record stays and the next game, or this
  // one's next save, finishes the change before anyone reads the files: this
  // table is saved all the same.
  if (namesRenamed) clearChange(journalPath);
  return true;
}
