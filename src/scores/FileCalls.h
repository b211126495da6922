#pragma once
#include <sys/types.h>

#include <cstddef>

// The system calls that change the score files, make a save durable and publish
// it, in one place so a test can count them, stop between them or make one fail.
// Every save goes through these; the game never changes them.
struct FileCalls {
  int (*sync)(int fd);
  int (*rename)(const char* from, const char* to);
  int (*makeTemp)(char* pattern, int flags);  // as mkostemp
  int (*remove)(const char* path);
  ssize_t (*writeAt)(int fd, const void* bytes, size_t count, off_t at);  // as pwrite
  int (*truncate)(int fd, off_t size);                                    // as ftruncate
  // Sets aside room for the file's first `size` bytes without changing its size:
  // later writes there cannot run out of space. 0 also where that cannot be asked.
  int (*makeRoom)(int fd, off_t size);
};

extern FileCalls fileCalls;
