// thornwald: the program players start. It holds SIGTERM and SIGINT back, then
// becomes the game that lies beside it, thornwald-game. The game's shared
// libraries take from a few to some tens of milliseconds to load before any of
// its code runs; a signal in that time would kill it, or be dropped when
// inherited as ignored. Held back, the signal waits until the game's first code
// has put its handler in place and lets it through. Linked statically against
// libc alone, so its own start takes a fraction of a millisecond; on x86-64 the
// signals are held back by its very first instructions, before libc starts up.
#include <errno.h>
#include <limits.h>
#include <signal.h>
#include <stdio.h>
#include <string.h>
#include <unistd.h>

#include "platform/StandardFiles.h"

#if defined(__x86_64__)
// The program's entry (the link names it): libc's own start-up reads files and
// takes memory for a good part of a millisecond, a busy machine stretches that,
// and a signal then would end the program by the signal. So the first thing
// done is rt_sigprocmask(SIG_BLOCK, {SIGINT, SIGTERM}, NULL, 8), then libc's
// _start, with the registers the kernel gave (rdx, its exit function, is 0).
asm(R"(
  .text
  .globl frontEntry
  .type frontEntry, @function
frontEntry:
  mov $14, %eax
  xor %edi, %edi
  lea stopSignalBits(%rip), %rsi
  xor %edx, %edx
  mov $8, %r10d
  syscall
  xor %edx, %edx
  jmp _start
  .section .rodata
  .p2align 3
stopSignalBits:
  .quad (1 << (2 - 1)) | (1 << (15 - 1))
  .text
)");
#endif

namespace {
const char kGameName[] = "thornwald-game";

// Must come first (where the entry above has not done it already): a signal
// before it still ends the program by the signal.
void holdStopSignals() {
  sigset_t stops;
  sigemptyset(&stops);
  sigaddset(&stops, SIGTERM);
  sigaddset(&stops, SIGINT);
  sigprocmask(SIG_BLOCK, &stops, nullptr);
  // An ignored signal may be thrown away even while blocked; a default one
  // stays pending. Blocked, the default action cannot end us. An ignored
  // SIGINT stays ignored: whoever started the game meant it not to see one
  // (a script's background job, nohup), and the game keeps that.
  struct sigaction standard = {};
  standard.sa_handler = SIG_DFL;
  sigemptyset(&standard.sa_mask);
  sigaction(SIGTERM, &standard, nullptr);
}

// The game's path, in this program's own folder (links followed). False when
// there is no such path.
bool gamePath(char (&path)[PATH_MAX]) {
  const ssize_t length = readlink("/proc/self/exe", path, sizeof path);
  if (length <= 0 || length >= static_cast<ssize_t>(sizeof path)) return false;
  path[length] = '\0';
  char* slash = strrchr(path, '/');
  if (slash == nullptr || (slash + 1 - path) + sizeof kGameName > sizeof path) return false;
  memcpy(slash + 1, kGameName, sizeof kGameName);
  return true;
}
}  // namespace

int main(int, char** argv) {
  holdStopSignals();
  fillStandardFiles();
  char path[PATH_MAX];
  if (!gamePath(path)) {
    fprintf(stderr, "thornwald: cannot find my own folder, where %s lies\n", kGameName);
    return 1;
  }
  execv(path, argv);
  fprintf(stderr, "thornwald: cannot start %s: %s\n", path, strerror(errno));
  return 1;
}
