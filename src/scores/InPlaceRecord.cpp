#include "scores/InPlaceRecord.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cinttypes>
#include <cstdio>

#include "platform/RegularFile.h"
#include "scores/FileCalls.h"
#include "scores/ScorePaths.h"

namespace {
const char* kRecordHead = "thornwald in-place save\n";
const size_t kMaxRecordBytes = 8u << 20;  // two score files of their longest and more

// FNV-1a: a record cut short or mixed with an older one never reads as whole.
uint32_t checksum(const std::string& bytes) {
  uint32_t sum = 2166136261u;
  for (unsigned char c : bytes) sum = (sum ^ c) * 16777619u;
  return sum;
}
}  // namespace

bool openBoth(const std::string targets[2], int fds[2]) {
  bool ok = true;
  for (int i = 0; i < 2; ++i) {
    fds[i] = ok ? open(targets[i].c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC) : -1;
    struct stat st;
    ok = fds[i] >= 0 && fstat(fds[i], &st) == 0 && S_ISREG(st.st_mode);
  }
  for (int i = 0; i < 2 && !ok; ++i) {
    if (fds[i] >= 0) close(fds[i]);
    fds[i] = -1;
  }
  return ok;
}

bool makeRoomFor(const int fds[2], const std::string bytes[2]) {
  for (int i = 0; i < 2; ++i)
    if (!bytes[i].empty() && fileCalls.makeRoom(fds[i], static_cast<off_t>(bytes[i].size())) != 0)
      return false;
  return true;
}

bool recordInPlace(int lockFd, const std::string bytes[2]) {
  const std::string both = bytes[0] + bytes[1];
  char sizes[64];
  std::snprintf(sizes, sizeof sizes, "%zu %zu %" PRIu32 "\n", bytes[0].size(), bytes[1].size(),
                checksum(both));
  return writeDurably(lockFd, kRecordHead + std::string(sizes) + both);
}

bool readInPlaceRecord(const std::string& lockPath, std::string bytes[2]) {
  std::string record;
  if (readRegularFile(lockPath.c_str(), kMaxRecordBytes, record) != FileRead::Whole) return false;
  const std::string head = kRecordHead;
  size_t sizesEnd = record.find('\n', head.size());
  if (record.compare(0, head.size(), head) != 0 || sizesEnd == std::string::npos) return false;
  size_t sizes[2];
  uint32_t sum;
  if (std::sscanf(record.c_str() + head.size(), "%zu %zu %" SCNu32, &sizes[0], &sizes[1], &sum) != 3)
    return false;
  const std::string both = record.substr(sizesEnd + 1);
  if (sizes[0] > both.size() || both.size() - sizes[0] != sizes[1] || checksum(both) != sum) return false;
  bytes[0] = both.substr(0, sizes[0]);
  bytes[1] = both.substr(sizes[0]);
  return true;
}

int writeBoth(const int fds[2], const std::string bytes[2]) {
  for (int i = 0; i < 2; ++i) {
    if (!writeAll(fds[i], bytes[i]) || fileCalls.truncate(fds[i], static_cast<off_t>(bytes[i].size())) != 0 ||
        fileCalls.sync(fds[i]) != 0)
      return i;
  }
  return -1;
}

bool clearInPlaceRecord(int lockFd) {
  return fileCalls.truncate(lockFd, 0) == 0 && fileCalls.sync(lockFd) == 0;
}
