#pragma once

// The system calls that make a save durable and publish it, in one place so a
// test can count them, stop between them or make one fail. Every save goes
// through these; the game never changes them.
struct FileCalls {
  int (*sync)(int fd);
  int (*rename)(const char* from, const char* to);
  int (*makeTemp)(char* pattern, int flags);  // as mkostemp
  int (*remove)(const char* path);
};

extern FileCalls fileCalls;
