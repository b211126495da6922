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
#include "scores/InPlaceRecord.h"
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

// Says, in one line, that the table is saved only in its record so far; always true.
bool reportRecorded(const std::string& why, const std::string& record) {
  printMessage("%s; the high scores are kept in %s until the score files can be written\n", why.c_str(),
               record.c_str());
  return true;
}

// A game that cannot take a lock says so once, not at every save, until it has
// taken a lock again: the file it last named.
std::string lockLineSaidOf;

// `path` without its last extension: the name the lock and the record share.
std::string stemOf(const std::string& path) {
  size_t dot = path.rfind('.'), slash = path.rfind('/');
  return dot != std::string::npos && (slash == std::string::npos || dot > slash + 1) ? path.substr(0, dot)
                                                                                     : path;
}

// The lock file, made if it may be, and open for writing when it may be: it keeps
// the record of a save in place. -1 when it cannot be opened or is not a regular
// file (a folder, a link): then nothing is saved.
int openLockFile(const std::string& path, bool& writable) {
  const int flags = O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
  int fd = open(path.c_str(), flags | O_RDWR | O_CREAT, kNewFileMode);
  writable = fd >= 0;
  if (fd < 0) fd = open(path.c_str(), flags | O_RDONLY);  // a read-only folder may hold one already
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

bool hasOtherLinks(const std::string& path) {
  struct stat st;
  return lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_nlink > 1;
}
}  // namespace

ScoreFiles::ScoreFiles() {
  for (int i = 0; i < 2; ++i) targets[i] = realFileOf(kFileNames[i]);
  // Beside the real scores file, so every folder whose links lead there shares them.
  lockPath = stemOf(targets[0]) + ".lock";
  journalPath = stemOf(targets[0]) + ".journal";
  // Nothing but a regular file is ever saved to, so no lock is made beside a device.
  struct stat st;
  if (lstat(targets[0].c_str(), &st) != 0 || S_ISREG(st.st_mode))
    lockFd = openLockFile(lockPath, lockWritable);
  locked = lockFd >= 0 && takeLock(lockFd);
  unlockedPath = lockPath;
  // Hard links in other folders lead there from beside other lock files: the
  // linked file itself is locked too, as their games lock it.
  for (int i = 0; i < 2 && locked && !linked; ++i) {
    if (!(linked = hasOtherLinks(targets[i]))) continue;
    linkLockFd = open(targets[i].c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    locked = linkLockFd >= 0 && takeLock(linkLockFd);
    if (!locked) unlockedPath = targets[i];
  }
  if (locked) lockLineSaidOf.clear();
  // Unlocked, the files are still read, but nothing is changed.
  finished = locked && finishInPlace() && finishChange(journalPath, targets);
  for (int i = 0; i < 2; ++i) sources[i] = targets[i];
  if (finished) return;
  // Until a record is finished, the table is the one it restores, never a mixed pair.
  inPlaceRecord = readInPlaceRecord(lockPath, recorded);
  if (!inPlaceRecord) recordedSources(journalPath, targets, sources);
}

ScoreFiles::~ScoreFiles() {
  if (linkLockFd >= 0) close(linkLockFd);
  if (lockFd >= 0) close(lockFd);  // releases the lock
}

bool ScoreFiles::readScores(std::string& bytes) {
  states[0] = inPlaceRecord ? FileState::Read : readScoreFile(sources[0], kLines, bytes);
  if (inPlaceRecord) bytes = recorded[0];
  return states[0] == FileState::Read;
}

bool ScoreFiles::readNames(std::string& bytes) {
  states[1] = inPlaceRecord ? FileState::Read : readScoreFile(sources[1], kLines, bytes);
  if (inPlaceRecord) bytes = recorded[1];
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

// Writes both files where they are, once the record of both is kept in the lock
// file and room is made; a record left by a failure is finished by the next game.
bool ScoreFiles::finishInPlace() const {
  std::string bytes[2];
  if (!readInPlaceRecord(lockPath, bytes)) return true;
  int fds[2];
  if (!openBoth(targets, fds)) return false;
  bool ok = writeBoth(fds, bytes) < 0;
  for (int fd : fds) close(fd);
  return ok && clearInPlaceRecord(lockFd);
}

bool ScoreFiles::writeInPlace(const std::string bytes[2]) const {
  if (!lockWritable)
    return reportUnsaved(lockPath + " cannot be written to keep the record of a save in place");
  int fds[2];
  if (!openBoth(targets, fds)) return reportUnsaved("the score files could not be opened for writing");
  bool room = makeRoomFor(fds, bytes);
  int failed = room && recordInPlace(lockFd, bytes) ? writeBoth(fds, bytes) : 2;
  for (int fd : fds) close(fd);  // each file already synced, or its failure said
  if (failed == -1) {
    clearInPlaceRecord(lockFd);  // one left standing is only written again
    return true;
  }
  if (failed < 2) return reportRecorded(std::string(kFileNames[failed]) + " could not be written", lockPath);
  // Neither file was touched; a record that may still stand would be written by the next game.
  std::string left[2];
  if (!clearInPlaceRecord(lockFd) && readInPlaceRecord(lockPath, left))
    return reportRecorded("the score files were not written", lockPath);
  return reportUnsaved(room ? lockPath + " could not keep the record of the save"
                            : "there is no room for the score files");
}

bool ScoreFiles::write(const std::string& scores, const std::string& names) {
  for (int i = 0; i < 2; ++i)
    if (!mayReplace(i)) return false;
  if (!locked) {
    if (lockLineSaidOf == unlockedPath) return false;
    lockLineSaidOf = unlockedPath;
    return reportUnsaved(unlockedPath + " could not be locked");
  }
  const std::string& record = inPlaceRecord ? lockPath : journalPath;
  if (!finished) return reportUnsaved(record + " names a save that could not be finished");
  const std::string bytes[2] = {scores, names};
  // A rename would part the file from its other links.
  if (linked) return writeInPlace(bytes);
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
    ok = writeDurably(fds[i], bytes[i]) && ok;
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
  // one's next save, finishes the change before anyone reads the files; until
  // then they read the table it restores.
  if (!namesRenamed)
    return reportRecorded(std::string(kFileNames[1]) + " could not be replaced", journalPath);
  clearChange(journalPath);
  return true;
}
