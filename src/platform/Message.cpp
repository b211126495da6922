#include "platform/Message.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdarg>
#include <cstdio>

namespace {
// A write of at most this many bytes to a pipe that has room goes in whole.
const size_t kMaxLineBytes = PIPE_BUF;

void writeLine(int fd, const char* format, va_list args) {
  char line[kMaxLineBytes + 1];
  int n = std::vsnprintf(line, sizeof line, format, args);
  if (n <= 0) return;
  size_t bytes = size_t(n);
  if (bytes > kMaxLineBytes) {
    bytes = kMaxLineBytes;
    line[bytes - 1] = '\n';  // every line of the game ends with one
  }
  // Only when the file takes it at once; a full pipe drops the line.
  struct pollfd out = {fd, POLLOUT, 0};
  int ready;
  do ready = poll(&out, 1, 0);
  while (ready < 0 && errno == EINTR);
  if (ready != 1 || (out.revents & (POLLERR | POLLHUP | POLLNVAL)) || !(out.revents & POLLOUT)) return;
  ssize_t written;
  do written = write(fd, line, bytes);
  while (written < 0 && errno == EINTR);
}
}  // namespace

void printMessage(const char* format, ...) {
  va_list args;
  va_start(args, format);
  writeLine(STDOUT_FILENO, format, args);
  va_end(args);
}

void printError(const char* format, ...) {
  va_list args;
  va_start(args, format);
  writeLine(STDERR_FILENO, format, args);
  va_end(args);
}
