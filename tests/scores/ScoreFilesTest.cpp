// Saving the score files where the folder or the files are not plain ones, by two
// games at once, and by a game killed while saving; each test in a fresh folder. A
// save as a player runs in a child that gives up root first: root ignores
// permission bits, and the tests must see what a player sees.
#include <grp.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <random>
#include <set>

#include "TestSupport.h"
#include "scores/HighScores.h"

namespace fs = std::filesystem;

namespace {
const uid_t kNobody = 65534;
const unsigned kKillWithinUs = 6000;  // the saver starts in about 2 ms, then saves every 0.1 ms
const char* kOld = "old\n";
const std::string kNewScores = "777\n0\n0\n0\n0\n0\n0\n0\n0\n0\n";
const std::string kNewNames = "NEW\nold\n\n\n\n\n\n\n\n\n";  // inserted above the entry read

// Starts the second game (tests/scores/saver) in the working folder.
pid_t startSaver(const char* mode) {
  char* argv[] = {const_cast<char*>(SCORE_SAVER), const_cast<char*>(mode), nullptr};
  pid_t saver = -1;
  EXPECT_EQ(posix_spawn(&saver, SCORE_SAVER, nullptr, nullptr, argv, environ), 0);
  return saver;
}

// A table whose every name is its score, as the saver writes them.
void fillTable() {
  for (int i = 0; i < kScoreEntries; ++i) scoreNames[i] = std::to_string(scoreValues[i] = i);
}

fs::perms modeOf(const fs::path& file) { return fs::status(file).permissions(); }

class ScoreFilesTest : public testing::Test {
 protected:
  void SetUp() override {
    // In memory where we can: the saves' fsyncs cost nothing there.
    std::string pattern =
        std::string(fs::is_directory("/dev/shm") ? "/dev/shm" : "/tmp") + "/thornwald-scores-XXXXXX";
    dir = mkdtemp(&pattern[0]);
  }
  void TearDown() override {
    if (!home.empty()) fs::current_path(home);
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
      loadScores();
      insertScore("NEW", 777);
      saveScores();
      _exit(root ? 3 : 0);
    }
    int status = 0;
    EXPECT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) != 1);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
  }
  // The rest of the test runs in the folder, as a game would; TearDown comes back.
  void enterDir() {
    home = fs::current_path();
    fs::current_path(dir);
  }
  SavedScoreTable savedTable;
  fs::path dir, home;
};
}  // namespace

TEST_F(ScoreFilesTest, WritableFilesInAReadOnlyFolderAreWrittenInPlaceAndReadOnlyFilesLeftAlone) {
  for (mode_t fileMode : {0666, 0444}) {
    const bool writable = fileMode == 0666;
    chmod(dir.c_str(), 0777);
    writeOldFiles(dir, "scoredata.txt", "scorenames.txt", fileMode);
    chmod(dir.c_str(), writable ? 0555 : 0777);
    if (!saveAsAPlayer()) GTEST_SKIP() << "root could not become an ordinary user here";
    EXPECT_EQ(readFile(dir / "scoredata.txt"), writable ? kNewScores : kOld);
    EXPECT_EQ(readFile(dir / "scorenames.txt"), writable ? kNewNames : kOld);
    EXPECT_EQ(modeOf(dir / "scoredata.txt"), fs::perms(fileMode));
  }
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
  EXPECT_EQ(modeOf(dir / "real/scores"), fs::perms(0606));
  // Only the two targets: no temporary file left beside them.
  EXPECT_EQ(std::distance(fs::directory_iterator(dir / "real"), fs::directory_iterator()), 2);
}

TEST_F(ScoreFilesTest, LinksToAPipeOrAFolderAreLeftAloneAndReportedOnce) {
  enterDir();
  ASSERT_EQ(mkfifo("pipe", 0666), 0);
  fs::create_directory("folder");
  fs::create_symlink("pipe", "scoredata.txt");
  fs::create_symlink("folder", "scorenames.txt");
  StdoutCapture out;
  insertScore("NEW", 777);
  saveScores();
  saveScores();
  std::string said = out.text();
  EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
  EXPECT_EQ(fs::status("pipe").type(), fs::file_type::fifo);
  EXPECT_TRUE(fs::is_symlink("scoredata.txt"));
  EXPECT_TRUE(fs::is_empty("folder"));
  EXPECT_EQ(std::distance(fs::directory_iterator("."), fs::directory_iterator()), 5);  // and the lock file
}

TEST_F(ScoreFilesTest, TwoGamesSavingAtOnceKeepBothEntries) {
  enterDir();
  for (int round = 0; round < 100; ++round) {
    fillTable();  // both games start from the same table
    saveScores();
    pid_t other = startSaver("once");
    int status = 0;
    waitpid(other, &status, WUNTRACED);  // it has read the table and waits
    ASSERT_TRUE(WIFSTOPPED(status));
    insertScore("AAA", 999);
    kill(other, SIGCONT);
    saveScores();
    waitpid(other, nullptr, 0);
    loadScores();
    ASSERT_EQ(scoreNames[0] + scoreNames[1], "AAABBB") << "round " << round;
  }
}

TEST_F(ScoreFilesTest, AGameKilledWhileSavingLeavesAWholePairAndNoTemporaryFile) {
  enterDir();
  fillTable();
  saveScores();
  std::mt19937 random(18);
  const std::set<fs::path> kLeft = {"scoredata.lock", "scoredata.txt", "scorenames.txt"};
  for (int round = 0; round < 200; ++round) {
    pid_t saver = startSaver("again");
    usleep(random() % kKillWithinUs);
    kill(saver, SIGKILL);
    waitpid(saver, nullptr, 0);
    loadScores();  // the next start-up
    std::string scores = readFile("scoredata.txt");
    ASSERT_EQ(std::count(scores.begin(), scores.end(), '\n'), kScoreEntries);
    ASSERT_EQ(readFile("scorenames.txt"), scores) << "round " << round;
    std::set<fs::path> left;
    for (const auto& entry : fs::directory_iterator(".")) left.insert(entry.path().filename());
    ASSERT_EQ(left, kLeft) << "round " << round;
  }
}
