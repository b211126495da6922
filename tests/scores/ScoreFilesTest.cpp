// Saving the score files where the folder or the files are not plain ones. Each
// save runs in a child process inside a fresh folder, and a child of root gives up
// root first: root ignores permission bits, and the tests must see what a player sees.
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "TestSupport.h"
#include "scores/HighScores.h"

namespace fs = std::filesystem;

namespace {
const uid_t kNobody = 65534;
const char* kOld = "old\n";
const std::string kNewScores = "777\n0\n0\n0\n0\n0\n0\n0\n0\n0\n";
const std::string kNewNames = "NEW\n\n\n\n\n\n\n\n\n\n";

mode_t modeOf(const fs::path& file) {
  struct stat st;
  return stat(file.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

class ScoreFilesTest : public testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/thornwald-scores-XXXXXX";
    dir = mkdtemp(pattern);
    scoreValues[0] = 777;  // the saved table was emptied
    scoreNames[0] = "NEW";
  }
  void TearDown() override {
    for (const fs::path& d : {dir, dir / "real"})
      if (fs::is_directory(d)) chmod(d.c_str(), 0700);
    fs::remove_all(dir);
  }
  // Both score files in `folder`, holding kOld, with these permission bits.
  void writeOldFiles(const fs::path& folder, const char* scores, const char* names, mode_t mode) {
    for (const char* name : {scores, names}) {
      std::ofstream(folder / name) << kOld;
      chmod((folder / name).c_str(), mode);
    }
  }
  // Saves the table from inside the folder; false when the save ran as root all the same.
  bool saveAsAPlayer() {
    pid_t child = fork();
    if (child == 0) {
      if (chdir(dir.c_str()) != 0) _exit(1);
      bool root = geteuid() == 0;
      if (root && setgroups(0, nullptr) == 0 && setgid(kNobody) == 0 && setuid(kNobody) == 0) root = false;
      saveScores();
      _exit(root ? 3 : 0);
    }
    int status = 0;
    EXPECT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) != 1);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
  }
  SavedScoreTable savedTable;
  fs::path dir;
};
}  // namespace

TEST_F(ScoreFilesTest, AReadOnlyFolderWithWritableFilesIsWrittenInPlace) {
  writeOldFiles(dir, "scoredata.txt", "scorenames.txt", 0666);
  chmod(dir.c_str(), 0555);
  if (!saveAsAPlayer()) GTEST_SKIP() << "root could not become an ordinary user here";
  EXPECT_EQ(readFile(dir / "scoredata.txt"), kNewScores);
  EXPECT_EQ(readFile(dir / "scorenames.txt"), kNewNames);
}

TEST_F(ScoreFilesTest, AFolderNamedLikeTheTemporaryFileIsLeftAndTheFileWrittenInPlace) {
  writeOldFiles(dir, "scoredata.txt", "scorenames.txt", 0666);
  chmod(dir.c_str(), 0777);
  fs::create_directory(dir / "scoredata.txt.tmp");
  fs::create_directory(dir / "scorenames.txt.tmp");
  saveAsAPlayer();  // root or not: no one can open a folder as a file
  EXPECT_EQ(readFile(dir / "scoredata.txt"), kNewScores);
  EXPECT_EQ(readFile(dir / "scorenames.txt"), kNewNames);
  EXPECT_TRUE(fs::is_directory(dir / "scoredata.txt.tmp"));
}

TEST_F(ScoreFilesTest, SymbolicLinksAreWrittenThroughAndTheTargetsKeepTheirBits) {
  fs::create_directory(dir / "real");
  chmod(dir.c_str(), 0777);
  chmod((dir / "real").c_str(), 0777);
  writeOldFiles(dir / "real", "scores", "names", 0606);
  fs::create_symlink("real/scores", dir / "scoredata.txt");  // relative to the link's folder
  fs::create_symlink(dir / "real/names", dir / "scorenames.txt");
  if (!saveAsAPlayer()) GTEST_SKIP() << "root could not become an ordinary user here";
  EXPECT_TRUE(fs::is_symlink(dir / "scoredata.txt"));
  EXPECT_TRUE(fs::is_symlink(dir / "scorenames.txt"));
  EXPECT_EQ(readFile(dir / "real/scores"), kNewScores);
  EXPECT_EQ(readFile(dir / "real/names"), kNewNames);
  EXPECT_EQ(modeOf(dir / "real/scores"), 0606u);
  EXPECT_FALSE(fs::exists(dir / "real/scores.tmp"));
}

TEST_F(ScoreFilesTest, ReadOnlyFilesAreLeftAsTheyAre) {
  writeOldFiles(dir, "scoredata.txt", "scorenames.txt", 0444);
  chmod(dir.c_str(), 0777);
  if (!saveAsAPlayer()) GTEST_SKIP() << "root could not become an ordinary user here";
  EXPECT_EQ(readFile(dir / "scoredata.txt"), kOld);
  EXPECT_EQ(readFile(dir / "scorenames.txt"), kOld);
  EXPECT_EQ(modeOf(dir / "scoredata.txt"), 0444u);
}
