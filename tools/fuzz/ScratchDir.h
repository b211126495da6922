#pragma once
// The fuzz targets write their files in a folder of their own, removed when
// the fuzzer exits, so runs leave nothing behind in /tmp.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

inline std::string& scratchDir() {
  static std::string dir;
  return dir;
}

inline void enterScratchDir() {
  char dir[] = "/tmp/thornwald-fuzz-XXXXXX";
  if (!mkdtemp(dir) || chdir(dir) != 0) std::abort();
  scratchDir() = dir;
  std::atexit([] {
    std::error_code ignored;
    std::filesystem::remove_all(scratchDir(), ignored);
  });
}
