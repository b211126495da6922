// Every file the game reads goes through one reader: a file over its bound is cut or
// refused as the caller chose, and only a regular file is ever opened.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <fstream>
#include <tuple>

#include "platform/RegularFile.h"

TEST(RegularFile, ABoundCutsOrRefusesAndNothingButARegularFileIsRead) {
  const char* path = "regular-file-test.txt";
  std::ofstream(path) << "12345";
  std::string bytes;
  // {bound, what to do over it, what was found, the bytes kept}
  const std::tuple<size_t, Oversize, FileRead, std::string> cases[] = {
      {5, Oversize::Refuse, FileRead::Whole, "12345"},
      {4, Oversize::Refuse, FileRead::Refused, ""},
      {5, Oversize::Cut, FileRead::Whole, "12345"},
      {4, Oversize::Cut, FileRead::Cut, "1234"}};
  for (const auto& [bound, oversize, found, kept] : cases) {
    EXPECT_EQ(readRegularFile(path, bound, bytes, oversize), found) << bound;
    EXPECT_EQ(bytes, kept) << bound;
  }
  std::remove(path);
  EXPECT_EQ(readRegularFile(path, 5, bytes), FileRead::Missing);
  ASSERT_EQ(mkfifo(path, 0600), 0);
  EXPECT_EQ(readRegularFile(path, 5, bytes, Oversize::Cut), FileRead::Refused);  // never waited on
  std::remove(path);
  EXPECT_EQ(readRegularFile(".", 1 << 20, bytes), FileRead::Refused);
}
