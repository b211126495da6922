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
}  // namespace

int openRegularFile(const char* path, size_t maxBytes) {
  // Looked at before opening, so no device is ever opened; checked again on the
  // open file in case the name was swapped in between.
  struct stat info;
  if (stat(path, &info) != 0 || !regularOfAtMost(info, maxBytes)) return -1;
  // Non-blocking, so a FIFO swapped in cannot hold the open up.
  int fd = open(path, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return -1;
  if (fstat(fd, &info) != 0 || !regularOfAtMost(info, maxBytes) ||
      fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0) {
    close(fd);
    return -1;
  }
  return fd;
}

bool readRegularFile(const char* path, size_t maxBytes, std::string& bytes, Oversize oversize) {
  bytes.clear();
  const bool cut = oversize == Oversize::Cut;
  int fd = openRegularFile(path, cut ? SIZE_MAX : maxBytes);
  if (fd < 0) return false;
  struct stat info;
  if (fstat(fd, &info) != 0) {
    close(fd);
    return false;
  }
  // Cut: at most the bound. Whole: one byte more than it holds, to notice a file
  // that grew after it was opened.
  size_t limit = cut ? maxBytes : size_t(info.st_size);
  bytes.resize(cut ? std::min(limit, size_t(info.st_size)) : limit + 1);
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
  return whole;
}
