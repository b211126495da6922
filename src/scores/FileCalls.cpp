#include "scores/FileCalls.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace {
int keepRoom(int fd, off_t size) {
#if defined(__linux__) && !defined(__EMSCRIPTEN__)
  if (fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, size) == 0) return 0;
  // A file system that cannot set room aside: the record still keeps the save.
  return errno == EOPNOTSUPP ? 0 : -1;
#else
  (void)fd;
  (void)size;
  return 0;
#endif
}
}  // namespace

FileCalls fileCalls = {fsync, std::rename, mkostemp, std::remove, pwrite, ftruncate, keepRoom};
