#include "scores/ScorePaths.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "platform/RegularFile.h"
#include "scores/FileCalls.h"

namespace {
const int kMaxLinkHops = 40;           // links followed before giving up, as the kernel does
const size_t kMaxLinkChars = 4096;     // longest link target read
const size_t kMaxFileBytes = 1 << 20;  // bytes read of a score file at most
const char* kTemporaryMark = ".tmp-";  // between the file's name and mkstemp's six letters
const size_t kUniqueChars = 6;         // the letters mkstemp fills in

std::string baseName(const std::string& path) {
  size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}
}  // namespace

std::string followLinks(std::string path) {
  for (int hop = 0; hop < kMaxLinkHops; ++hop) {
    struct stat st;
    if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    char target[kMaxLinkChars];
    ssize_t n = readlink(path.c_str(), target, sizeof target);
    if (n <= 0 || static_cast<size_t>(n) == sizeof target) return path;
    std::string next(target, static_cast<size_t>(n));
    // A relative link target is taken from the link's own folder.
    size_t slash = path.rfind('/');
    if (next[0] != '/' && slash != std::string::npos) next = path.substr(0, slash + 1) + next;
    path = next;
  }
  return path;
}

std::string realFileOf(const std::string& path) {
  std::string file = followLinks(path);
  char* folder = realpath(folderOf(file).c_str(), nullptr);
  if (!folder) return file;  // a folder that is gone: the file reads as missing
  std::string real = folder;
  std::free(folder);
  return (real == "/" ? "" : real) + "/" + baseName(file);
}

std::string folderOf(const std::string& path) {
  size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

int makeTemporary(const std::string& path, std::string& temp) {
  std::string pattern = path + kTemporaryMark + std::string(kUniqueChars, 'X');
  int fd = fileCalls.makeTemp(&pattern[0], O_CLOEXEC);
  if (fd >= 0) temp = pattern;
  return fd;
}

bool isTemporaryOf(const std::string& temp, const std::string& path) {
  std::string prefix = path + kTemporaryMark;
  return temp.size() == prefix.size() + kUniqueChars && temp.compare(0, prefix.size(), prefix) == 0 &&
         temp.find('/', prefix.size()) == std::string::npos;
}

void removeTemporariesOf(const std::string& path) {
  std::string folder = folderOf(path);
  DIR* dir = opendir(folder.c_str());
  if (!dir) return;
  std::string base = baseName(path);
  bool removed = false;
  while (dirent* entry = readdir(dir)) {
    std::string name = entry->d_name;
    struct stat st;
    std::string full = folder + "/" + name;
    if (!isTemporaryOf(name, base) || lstat(full.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
    removed = fileCalls.remove(full.c_str()) == 0 || removed;
  }
  closedir(dir);
  if (removed) syncFolder(path);
}

void syncFolder(const std::string& path) {
  int fd = open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fileCalls.sync(fd);
  close(fd);
}

bool writeAll(int fd, const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = fileCalls.writeAt(fd, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

bool writeDurably(int fd, const std::string& bytes) { return writeAll(fd, bytes) && fileCalls.sync(fd) == 0; }

FileState readScoreFile(const std::string& path, int linesWanted, std::string& bytes) {
  FileRead found = readRegularFile(path.c_str(), kMaxFileBytes, bytes, Oversize::Cut);
  if (found == FileRead::Missing) return FileState::Missing;
  // Cut short, the file counts as read only when what was kept holds every line wanted.
  bool ok = found == FileRead::Whole ||
            (found == FileRead::Cut && std::count(bytes.begin(), bytes.end(), '\n') >= linesWanted);
  if (!ok) bytes.clear();
  return ok ? FileState::Read : FileState::Unreadable;
}
