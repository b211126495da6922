// Saving the score files where the folder or the files are not plain ones, by two
// games at once, by a game killed while saving, and with planted faults; each test
// in a fresh folder. A save as a player runs in a child that gives up root first:
// root ignores permission bits, and the tests must see what a player sees.
#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <random>
#include <set>

#include "TestSupport.h"
#include "platform/StopRequest.h"
#include "scores/FileCalls.h"
#include "scores/HighScores.h"
#include "scores/NameDisplay.h"

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

// Waits for the child to stop itself or end; false if it had to be killed after `limitMs`.
bool waitWithin(pid_t child, int limitMs, int options = 0) {
  auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(limitMs);
  int status = 0;
  while (waitpid(child, &status, WNOHANG | options) == 0) {
    if (std::chrono::steady_clock::now() > end) {
      kill(child, SIGKILL);
      waitpid(child, nullptr, 0);
      return false;
    }
    usleep(1000);
  }
  return true;
}

// A table whose every name is its score, as the saver writes them.
void fillTable() {
  for (int i = 0; i < kScoreEntries; ++i) scoreNames[i] = std::to_string(scoreValues[i] = i);
}

// The save's calls, as "sync file", "rename from to", "remove file", "truncate
// file" and "room file", named within the test folder, the temporary files'
// unique letters left out; and a fault to plant: the call `faultCall` on a path
// holding `faultPath` fails with `faultError` (once, with `faultOnce`), or, with
// kStop, ends the process there, as a kill would. With `readOnlyFolder` no
// temporary file can be made.
std::vector<std::string> calls;
std::string faultCall, faultPath, testDir;
int faultError = 0;
bool faultOnce = false, readOnlyFolder = false;
const int kStop = -1;

bool noteCall(const char* call, std::string path, const char* to = nullptr) {
  auto shortName = [](std::string p) {
    if (p == testDir) return std::string(".");
    std::string name = p.substr(p.rfind('/') + 1);
    const size_t kUnique = 7;  // "-" and the six letters of a temporary name
    return name.size() > kUnique && name[name.size() - kUnique] == '-' ? name.substr(0, name.size() - kUnique)
                                                                       : name;
  };
  if (call != std::string("temp") && call != std::string("write"))
    calls.push_back(call + (" " + shortName(path)) + (to ? " " + shortName(to) : ""));
  if (to) path = to;
  if (faultError == 0 || faultCall != call || path.find(faultPath) == std::string::npos) return false;
  if (faultError == kStop) _exit(0);
  errno = faultError;
  faultError = faultOnce ? 0 : faultError;
  return true;
}
bool noteCallOn(const char* call, int fd) {
  char path[4096] = {};
  ssize_t n = readlink(("/proc/self/fd/" + std::to_string(fd)).c_str(), path, sizeof path - 1);
  return n < 0 || noteCall(call, path);
}
int loggedSync(int fd) { return noteCallOn("sync", fd) ? -1 : fsync(fd); }
ssize_t failingWrite(int fd, const void* bytes, size_t count, off_t at) {
  return noteCallOn("write", fd) ? -1 : pwrite(fd, bytes, count, at);
}
int loggedTruncate(int fd, off_t size) { return noteCallOn("truncate", fd) ? -1 : ftruncate(fd, size); }
int loggedRoom(int fd, off_t) { return noteCallOn("room", fd) ? -1 : 0; }
int loggedRename(const char* from, const char* to) {
  return noteCall("rename", from, to) ? -1 : std::rename(from, to);
}
int failingMakeTemp(char* pattern, int flags) {
  if (readOnlyFolder) errno = EACCES;
  return readOnlyFolder || noteCall("temp", pattern) ? -1 : mkostemp(pattern, flags);
}
int loggedRemove(const char* path) { return noteCall("remove", path) ? -1 : std::remove(path); }

class ScoreFilesTest : public testing::Test {
 protected:
  void SetUp() override {
    // In memory where we can: the saves' fsyncs cost nothing there.
    std::string pattern =
        std::string(fs::is_directory("/dev/shm") ? "/dev/shm" : "/tmp") + "/thornwald-scores-XXXXXX";
    dir = mkdtemp(&pattern[0]);
    testDir = fs::canonical(dir);
    fileCalls = {loggedSync,   loggedRename,   failingMakeTemp, loggedRemove,
                 failingWrite, loggedTruncate, loggedRoom};
  }
  void TearDown() override {
    fileCalls = realCalls;
    faultError = 0;
    readOnlyFolder = faultOnce = false;
    calls.clear();
    clearStopRequest();
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
  const FileCalls realCalls = fileCalls;
  SavedScoreTable savedTable;
  fs::path dir, home;
};
}  // namespace

TEST_F(ScoreFilesTest, StartUpWritesBackTheTenLinesItReadsAndLeavesAFileItCannotReadAlone) {
  enterDir();
  std::string ten, tenNames, longName(5000, 'N');
  for (int i = 0; i < kScoreEntries; ++i) ten += std::to_string(900 - 50 * i) + "\n";
  for (int i = 0; i < kScoreEntries; ++i) tenNames += (i == 3 ? longName : "N" + std::to_string(i)) + "\n";
  const std::string junk(1100 * 1024, 'j'), oneLine = "5\n" + junk;
  struct Case {
    std::string scores, names, scoresAfter, namesAfter;
  } cases[] = {
      {ten + junk, tenNames, ten, tenNames},         // the ten lines within the first 1 MB
      {ten, tenNames + junk + "\n", ten, tenNames},  // and the names kept whole
      {oneLine, tenNames, oneLine, tenNames},        // no ten lines in the first 1 MB
      {"", "", "0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n", "\n\n\n\n\n\n\n\n\n\n"},  // no files
  };
  for (const Case& c : cases) {
    std::fill_n(scoreValues, kScoreEntries, 0);
    std::fill_n(scoreNames, kScoreEntries, "");
    std::remove("scoredata.txt");
    std::remove("scorenames.txt");
    if (!c.scores.empty()) std::ofstream("scoredata.txt") << c.scores;
    if (!c.names.empty()) std::ofstream("scorenames.txt") << c.names;
    StdoutCapture out;
    loadScores();
    saveScores();
    out.text();
    // Compared as a whole, so a failure does not print a megabyte.
    EXPECT_TRUE(readFile("scoredata.txt") == c.scoresAfter) << c.scores.substr(0, 20);
    EXPECT_TRUE(readFile("scorenames.txt") == c.namesAfter) << c.names.substr(0, 20);
  }
}

TEST_F(ScoreFilesTest, APlayersSaveWritesThroughLinksAndInPlaceOnlyInAReadOnlyFolderWithItsLock) {
  enum Lock { None, Own, Others };  // the lock file an earlier game made, if any, and whose
  struct Case {
    mode_t folderMode, fileMode;
    Lock lockFile;
    bool saved, linked;
  } cases[] = {
      {0555, 0666, Own, true, false},      // in place, under the lock and its record
      {0555, 0666, Others, false, false},  // the lock, but no room for the record
      {0555, 0666, None, false, false},    // no lock to take
      {0777, 0444, Own, false, false},     // read-only files
      {0777, 0200, Own, false, false},     // files that cannot be read
      {0777, 0606, None, true, true},      // links, written through; the targets keep their bits
  };
  for (const Case& c : cases) {
    const fs::path files = c.linked ? dir / "real" : dir;
    chmod(dir.c_str(), 0777);
    fs::create_directory(files);
    chmod(files.c_str(), 0777);
    writeOldFiles(files, "scoredata.txt", "scorenames.txt", c.fileMode);
    for (const char* name : {"scoredata.txt", "scorenames.txt"}) {
      chown((files / name).c_str(), kNobody, kNobody);
      if (c.linked) fs::remove(dir / name);
    }
    if (c.linked) fs::create_symlink("real/scoredata.txt", dir / "scoredata.txt");  // relative to its folder
    if (c.linked) fs::create_symlink(dir / "real/scorenames.txt", dir / "scorenames.txt");
    std::remove((dir / "scoredata.lock").c_str());
    if (c.lockFile != None) std::ofstream(dir / "scoredata.lock");
    if (c.lockFile == Own) chown((dir / "scoredata.lock").c_str(), kNobody, kNobody);
    chmod(dir.c_str(), c.folderMode);
    if (!saveAsAPlayer()) GTEST_SKIP() << "root could not become an ordinary user here";
    std::string what = "folder " + std::to_string(c.folderMode) + " files " + std::to_string(c.fileMode);
    EXPECT_EQ(
        std::tuple(readFile(dir / "scoredata.txt"), readFile(dir / "scorenames.txt"),
                   fs::status(dir / "scoredata.txt").permissions(), fs::is_symlink(dir / "scorenames.txt")),
        std::tuple(c.saved ? kNewScores : kOld, c.saved ? kNewNames : kOld, fs::perms(c.fileMode), c.linked))
        << what;
  }
  // Only the two targets and their lock: no temporary file left beside them.
  EXPECT_EQ(std::distance(fs::directory_iterator(dir / "real"), fs::directory_iterator()), 3);
}

TEST_F(ScoreFilesTest, LinksToAPipeOrAFolderAreLeftAloneAndEachSaveSaysSo) {
  enterDir();
  ASSERT_EQ(mkfifo("pipe", 0666), 0);
  fs::create_directory("folder");
  fs::create_symlink("pipe", "scoredata.txt");
  fs::create_symlink("folder", "scorenames.txt");
  StdoutCapture out;
  insertScore("NEW", 777);
  saveScores();
  EXPECT_EQ(out.text(), "scoredata.txt is not a regular file; the high scores are not saved\n");
  // Both left as they were, and no lock made beside the pipe.
  EXPECT_EQ(std::tuple(fs::status("pipe").type(), fs::is_empty("folder"),
                       std::distance(fs::directory_iterator("."), fs::directory_iterator())),
            std::tuple(fs::file_type::fifo, true, 4));
}

// A game with no terminal of its own must not take one it finds at a score path.
TEST_F(ScoreFilesTest, ATerminalAtAScorePathNeverBecomesTheGamesOwn) {
  enterDir();
  pid_t child = fork();
  if (child == 0) {
    int master = posix_openpt(O_RDWR | O_NOCTTY);
    if (setsid() < 0 || master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) _exit(3);
    if (symlink(ptsname(master), "scoredata.txt") != 0) _exit(3);
    loadScores();
    saveScores();
    _exit(open("/dev/tty", O_RDONLY | O_NOCTTY) < 0 ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  if (WIFEXITED(status) && WEXITSTATUS(status) == 3) GTEST_SKIP() << "no terminals here";
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the terminal became the game's own";
}

TEST_F(ScoreFilesTest, ASaveThatCannotTakeItsLockOrFailsPartWayLeavesBothFilesAlone) {
  enterDir();
  int lock = -1;
  auto linkToShared = [&] {  // links to a pair that another game folder shares, and its lock held
    fs::create_directory("shared");
    writeOldFiles("shared", "scoredata.txt", "scorenames.txt", 0644);
    fs::remove("scoredata.txt");
    fs::remove("scorenames.txt");
    fs::create_symlink(dir / "shared/scoredata.txt", "scoredata.txt");
    fs::create_symlink("shared/scorenames.txt", "scorenames.txt");
    lock = open("shared/scoredata.lock", O_RDWR | O_CREAT, 0644);
    flock(lock, LOCK_EX);
    requestStop();  // so the save gives up at once instead of waiting its time
  };
  auto namesGone = [] {
    fs::remove("scorenames.txt");
    fs::create_symlink("gone/names", "scorenames.txt");
  };
  struct Case {
    const char* what;
    std::function<void()> setUp;
    const char* call;  // the planted fault, on the scores file
    int error;
    bool saved;
  } cases[] = {
      {"the lock held where two folders' links lead", linkToShared, "", 0, false},
      {"a folder at the lock file", [] { fs::create_directory("scoredata.lock"); }, "", 0, false},
      {"names linked into a folder that is gone", namesGone, "", 0, false},
      {"and the folder read-only", namesGone, "temp", EACCES, false},
      {"a read-only folder", [] {}, "temp", EACCES, true},
      {"a temporary file not made", [] {}, "temp", EMFILE, false},
      {"a temporary file not synced", [] {}, "sync", EIO, false},
      {"the scores not renamed", [] {}, "rename", EIO, false},
  };
  for (const Case& c : cases) {
    writeOldFiles(".", "scoredata.txt", "scorenames.txt", 0644);
    c.setUp();
    std::tie(faultCall, faultPath, faultError) = std::make_tuple(c.call, "scoredata.txt", c.error);
    StdoutCapture out;
    std::fill_n(scoreNames, kScoreEntries, "");
    loadScores();
    insertScore("NEW", 777);
    saveScores();
    std::string said = out.text();
    if (c.saved) {
      EXPECT_EQ(readFile("scoredata.txt") + readFile("scorenames.txt"), kNewScores + kNewNames) << c.what;
    } else {
      EXPECT_EQ(readFile("scoredata.txt"), kOld) << c.what;
      EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << c.what << ": " << said;
      EXPECT_NE(said.find("; the high scores are not saved\n"), std::string::npos) << c.what << ": " << said;
    }
    faultError = 0;
    clearStopRequest();
    close(lock);
    for (const char* name : {"scoredata.txt", "scorenames.txt", "scoredata.lock", "shared"})
      fs::remove_all(name);
  }
}

namespace {
// A game that starts afresh: its table is what the files, or a record, give it.
void startAGame() {
  std::fill_n(scoreValues, kScoreEntries, 0);
  std::fill_n(scoreNames, kScoreEntries, "");
  loadScores();
}

std::string tableOnDisk() { return readFile("scoredata.txt") + readFile("scorenames.txt"); }

// The table in memory as the two files would hold it.
std::string tableText() {
  std::string scores, names;
  for (int i = 0; i < kScoreEntries; ++i) {
    scores += std::to_string(scoreValues[i]) + "\n";
    names += scoreNames[i] + "\n";
  }
  return scores + names;
}
}  // namespace

TEST_F(ScoreFilesTest, AReadOnlyFoldersSaveThatFailsOrStopsAtAnyStepLeavesAWholePairAndSaysSo) {
  enterDir();
  const std::string oldFiles = std::string(kOld) + kOld, newPair = kNewScores + kNewNames;
  const std::string oldPair = "0\n0\n0\n0\n0\n0\n0\n0\n0\n0\nold\n" + std::string(9, '\n');
  struct Step {
    const char* call;
    const char* path;
  } steps[] = {{"room", "scoredata.txt"},  {"room", "scorenames.txt"},    {"write", "scoredata.lock"},
               {"sync", "scoredata.lock"}, {"write", "scoredata.txt"},    {"truncate", "scoredata.txt"},
               {"sync", "scoredata.txt"},  {"write", "scorenames.txt"},   {"truncate", "scorenames.txt"},
               {"sync", "scorenames.txt"}, {"truncate", "scoredata.lock"}};
  for (const Step& step : steps) {
    for (int error : {ENOSPC, EIO, kStop}) {
      std::string what = std::string(step.call) + " " + step.path + " " + std::to_string(error);
      writeOldFiles(".", "scoredata.txt", "scorenames.txt", 0644);
      readOnlyFolder = true;
      StdoutCapture out;
      pid_t game = error == kStop ? fork() : 0;
      if (game == 0) {
        startAGame();
        std::tie(faultCall, faultPath, faultError) = std::make_tuple(step.call, step.path, error);
        insertScore("NEW", 777);
        saveScores();
        if (error == kStop) _exit(1);
      }
      if (error == kStop) {
        int status = 0;
        waitpid(game, &status, 0);
        EXPECT_EQ(WEXITSTATUS(status), 0) << what << ": the save never reached the step";
      }
      std::string said = out.text();
      // The next game, the fault still there: the table is whole, the record's when one stands.
      startAGame();
      std::string seen = tableText();
      faultError = 0;
      startAGame();
      EXPECT_EQ(tableOnDisk(), seen == newPair ? newPair : oldFiles) << what;
      EXPECT_TRUE(seen == oldPair || seen == newPair) << what << ": " << seen;
      if (error == kStop) continue;
      // Said in one line: not saved, with the files as they were; or kept until written.
      bool notSaved = said.find("; the high scores are not saved\n") != std::string::npos;
      EXPECT_EQ(seen == oldPair, notSaved) << what << ": " << said;
      EXPECT_LE(std::count(said.begin(), said.end(), '\n'), 1) << what << ": " << said;
      EXPECT_EQ(said.empty() || notSaved,
                said.find("until the score files can be written") == std::string::npos)
          << what << ": " << said;
    }
  }
}

TEST_F(ScoreFilesTest, ARenameThatKeepsFailingSaysSoAndEveryReaderSeesTheTableItsRecordRestores) {
  enterDir();
  writeOldFiles(".", "scoredata.txt", "scorenames.txt", 0644);
  startAGame();
  std::tie(faultCall, faultPath, faultError) = std::make_tuple("rename", "scorenames.txt", EIO);
  StdoutCapture out;
  insertScore("NEW", 777);
  saveScores();
  std::string said = out.text();
  EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
  EXPECT_EQ(said.find("scorenames.txt could not be replaced; the high scores are kept in "), 0u) << said;
  startAGame();
  EXPECT_EQ(tableText(), kNewScores + kNewNames) << "a mixed pair was read";
  StdoutCapture next;
  insertScore("JJJ", 500);
  saveScores();
  said = next.text();
  EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
  EXPECT_NE(said.find("names a save that could not be finished; the high scores are not saved"),
            std::string::npos);
  faultError = 0;
  startAGame();
  EXPECT_EQ(tableOnDisk(), kNewScores + kNewNames);
}

TEST_F(ScoreFilesTest, HardLinkedScoreFilesKeepTheirLinksAndEveryFoldersEntries) {
  enterDir();
  fs::create_directory("shared");
  writeOldFiles("shared", "scoredata.txt", "scorenames.txt", 0644);
  const char* folders[] = {"a", "b", "c", "d"};
  for (const char* folder : folders) {
    fs::create_directory(folder);
    for (const char* name : {"scoredata.txt", "scorenames.txt"})
      fs::create_hard_link(fs::path("shared") / name, fs::path(folder) / name);
  }
  int entry = 0;
  for (int round = 0; round < 2; ++round) {
    for (const char* folder : folders) {
      fs::current_path(dir / folder);
      startAGame();
      insertScore(folder + std::to_string(round), 100 + entry++);
      saveScores();
    }
  }
  fs::current_path(dir / "shared");
  startAGame();
  std::string names;
  for (int i = 0; i < 8; ++i) names += scoreNames[i] + " ";
  EXPECT_EQ(names, "d1 c1 b1 a1 d0 c0 b0 a0 ");
  EXPECT_EQ(std::tuple(fs::hard_link_count("scoredata.txt"), fs::hard_link_count("scorenames.txt")),
            std::tuple(5u, 5u));
  // A game in another folder holds the shared file: no save beside it, and that is said.
  int held = open("scoredata.txt", O_RDONLY);
  ASSERT_EQ(flock(held, LOCK_EX), 0);
  requestStop();
  fs::current_path(dir / "a");
  StdoutCapture out;
  insertScore("XXX", 9999);
  saveScores();
  EXPECT_NE(out.text().find("/a/scoredata.txt could not be locked"), std::string::npos);
  EXPECT_EQ(readFile("scoredata.txt").substr(0, 4), "107\n");
  close(held);
  clearStopRequest();
  loadScores();  // the lock taken again, so the next outage is said
}

TEST_F(ScoreFilesTest, ALockThatCannotBeTakenIsSaidOnceAGame) {
  enterDir();
  int lock = open("scoredata.lock", O_RDWR | O_CREAT, 0644);
  ASSERT_EQ(flock(lock, LOCK_EX), 0);
  requestStop();  // so each save gives up at once
  StdoutCapture out;
  for (int32_t score : {100, 200, 300}) {
    insertScore("NEW", score);
    saveScores();
  }
  std::string said = out.text();
  EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
  close(lock);
  clearStopRequest();
  loadScores();  // the lock taken again, so the next outage is said
}

TEST_F(ScoreFilesTest, ARenameThatFailsOnceThenAnotherGameKeepEachEntryOnce) {
  enterDir();
  std::tie(faultCall, faultPath, faultError, faultOnce) =
      std::make_tuple("rename", "scorenames.txt", EIO, true);
  insertScore("ZZZ", 500);
  saveScores();  // the names are left to the next save
  insertScore("ZZZ", 400);
  saveScores();
  loadScores();
  EXPECT_EQ(readFile("scorenames.txt") + readFile("scoredata.txt").substr(0, 8),
            "ZZZ\nZZZ\n\n\n\n\n\n\n\n\n500\n400\n");
}

TEST_F(ScoreFilesTest, EachFileIsSyncedBeforeTheRenameThatPublishesItAndTheRecordOutlivesThem) {
  enterDir();
  insertScore("NEW", 777);
  saveScores();
  std::string log;
  for (const std::string& call : calls) log += call + ", ";
  // The record is there before either file changes, and both renames are durable before it goes.
  EXPECT_EQ(log,
            "sync scoredata.txt.tmp, sync scorenames.txt.tmp, sync scoredata.journal.tmp, rename "
            "scoredata.journal.tmp scoredata.journal, sync ., rename scoredata.txt.tmp scoredata.txt, "
            "rename scorenames.txt.tmp scorenames.txt, sync ., remove scoredata.journal, ");
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

TEST_F(ScoreFilesTest, ALockHeldByAStoppedGameNeitherHangsTheNextNorLetsItSave) {
  enterDir();
  writeOldFiles(".", "scoredata.txt", "scorenames.txt", 0644);
  int lock = open("scoredata.lock", O_RDWR | O_CREAT, 0644);
  ASSERT_EQ(flock(lock, LOCK_EX), 0);
  pid_t waiting = startSaver("wait"), ended = startSaver("wait");
  for (pid_t saver : {waiting, ended}) {
    ASSERT_TRUE(waitWithin(saver, 5000, WUNTRACED));  // stopped, its signal handler in place
    kill(saver, SIGCONT);
  }
  usleep(100000);  // both wait for the lock now
  kill(ended, SIGTERM);
  EXPECT_TRUE(waitWithin(ended, 1000)) << "SIGTERM did not end a game waiting for the lock";
  EXPECT_TRUE(waitWithin(waiting, 20000)) << "a game waited for the lock without end";
  EXPECT_EQ(readFile("scoredata.txt"), kOld);
  close(lock);
}

TEST_F(ScoreFilesTest, AGameKilledWhileSavingLeavesAWholePairAndNoTemporaryFile) {
  enterDir();
  fillTable();
  saveScores();
  std::mt19937 random(18);
  const std::set<fs::path> kLeft = {"scoredata.lock", "scoredata.txt", "scorenames.txt"};
  for (int round = 0; round < 200; ++round) {
    // The first game is killed between its two renames, the others anywhere.
    pid_t saver = startSaver(round == 0 ? "halfway" : "again");
    if (round == 0) {
      ASSERT_TRUE(waitWithin(saver, 5000, WUNTRACED));
    } else {
      usleep(random() % kKillWithinUs);
    }
    kill(saver, SIGKILL);
    waitpid(saver, nullptr, 0);
    loadScores();  // the next start-up
    std::string scores = readFile("scoredata.txt");
    ASSERT_EQ(std::count(scores.begin(), scores.end(), '\n'), kScoreEntries);
    ASSERT_EQ(readFile("scorenames.txt"), scores) << "round " << round;
    ASSERT_TRUE(round > 0 || scores.substr(0, 4) == "100\n");  // the new pair, finished
    std::set<fs::path> left;
    for (const auto& entry : fs::directory_iterator(".")) left.insert(entry.path().filename());
    ASSERT_EQ(left, kLeft) << "round " << round;
  }
}

namespace {
// The table as "value name," pairs, best first.
std::string table() {
  std::string t;
  for (int i = 0; i < kScoreEntries; ++i) t += std::to_string(scoreValues[i]) + " " + scoreNames[i] + ",";
  return t;
}

class HighScoresTest : public testing::Test {
 protected:
  SavedScoreTable savedTable;
};
}  // namespace

TEST_F(HighScoresTest, ReadingRules) {
  scoreValues[9] = 55;
  scoreNames[9] = "KEP";
  // Numbers past the int range clamp instead of overflowing.
  std::ofstream("scoredata.txt")
      << "900\r\n  42xyz\nabc\n-17\n+8\n99999999999999999999\n-99999999999999999999\n\t 12 34\n-\n";
  std::ofstream("scorenames.txt") << "ABC\r\nA\rB\n\nlast line without feed";
  loadScores();
  // The short file leaves the rest, a lone carriage return is part of a name, and
  // the unfinished last line is not an entry.
  EXPECT_EQ(table(), "900 ABC,42 A\rB,0 ,-17 ,8 ,2147483647 ,-2147483648 ,12 ,0 ,55 KEP,");
}

TEST_F(HighScoresTest, InsertionPlacesTiesBelowAndRefusesTheTenth) {
  const int32_t values[] = {500, 400, 300, 300, 200, 100, 0, 0, 0, 0};
  for (int i = 0; i < kScoreEntries; ++i) {
    scoreValues[i] = values[i];
    scoreNames[i] = "N" + std::to_string(i);
  }
  insertScore("NEW", 300);
  insertScore("ZER", 0);  // equal to the tenth
  EXPECT_EQ(table(), "500 N0,400 N1,300 N2,300 N3,300 NEW,200 N4,100 N5,0 N6,0 N7,0 N8,");
  insertScore("TOP", 9000);
  EXPECT_EQ(table().substr(0, 16), "9000 TOP,500 N0,");
}

TEST_F(HighScoresTest, TheListShowsSixteenCharactersOfANameAsUtf8) {
  std::string accents;
  for (int i = 0; i < 20; ++i) accents += "\xC3\xA9";
  EXPECT_EQ(displayName(accents), accents.substr(0, 32));  // characters, not bytes
  EXPECT_EQ(displayName(std::string("A\0B\tC\x7F", 6)), "A?B?C?");
  // Bad bytes, a cut sequence, an overlong NUL, a surrogate, a C1 control, an emoji.
  EXPECT_EQ(displayName("\xFF\xC3x\xC0\x80\xED\xA0\x80\xC2\x85\xF0\x9F\x98\x80z"), "??x???????z");
  scoreNames[0] = std::string(4096, 'W');
  renderScores();
  EXPECT_EQ(scoreLabels[0].text, std::string(16, 'W') + " - 0");
  EXPECT_NE(scoreLabels[0].surface, nullptr);
}
