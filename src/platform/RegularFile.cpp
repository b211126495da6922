#include "platform/RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>

namespace {
bool regularOfAtMost(const struct stat& info, size_t maxBytes) {
  return S_ISREG(info.st_mode) && info.st_size >= 0 && size_t(info.st_size) <= maxBytes;
}

// Opens `path` for reading only when it is a regular file of at most maxBytes;
// -1 otherwise, with `missing` set when there is nothing by that name.
int openRegularFile(const char* path, size_t maxBytes, bool& missing) {
  missing = false;
  // Looked at before opening, so no device is ever opened; checked again on the
  // open file in case the name was swapped in between.
  struct stat info;
  if (stat(path, &info) != 0) {
    missing = errno == ENOENT;
    return -1;
  }
  if (!regularOfAtMost(info, maxBytes)) return -1;
  // Non-blocking, so a FIFO swapped in cannot hold the open up.
  int fd = open(path, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    missing = errno == ENOENT;
    return -1;
  }
  if (fstat(fd, &info) != 0 || !regularOfAtMost(info, maxBytes) ||
      fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0) {
    close(fd);
    return -1;
  }
  return fd;
}
}  // namespace

FileRead readRegularFile(const char* path, size_t maxBytes, std::string& bytes, Oversize oversize) {
  bytes.clear();
  const bool cut = oversize == Oversize::Cut;
  bool missing = false;
  int fd = openRegularFile(path, cut ? SIZE_MAX : maxBytes, missing);
  if (fd < 0) return missing ? FileRead::Missing : FileRead::Refused;
  struct stat info;
  if (fstat(fd, &info) != 0) {
    close(fd);
    return FileRead::Refused;
  }
  // Cut: at most the bound. Whole: one byte more than it holds, to notice a file
  // that grew after it was opened.
  const size_t size = size_t(info.st_size);
  size_t limit = cut ? maxBytes : size;
  bytes.resize(cut ? std::min(limit, size) : limit + 1);
  size_t got = 0;
  while (got < bytes.size()) {
    ssize_t n = read(fd, &bytes[got], bytes.size() - got);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (n < 0) got = limit + 1;  // a read error: refused like the rest
      break;
    }
    got += size_t(n);
  }
  close(fd);
  bool whole = got <= limit;
  bytes.resize(whole ? got : 0);
  if (!whole) return FileRead::Refused;
  return cut && size > maxBytes ? FileRead::Cut : FileRead::Whole;
}
