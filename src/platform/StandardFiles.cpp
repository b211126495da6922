#include "platform/StandardFiles.h"

#include <errno.h>
#include <fcntl.h>
#include <unistd.h>

void fillStandardFiles() {
  const int kStandardCount = 3;  // input, output, error
  for (int fd = 0; fd < kStandardCount; ++fd) {
    if (fcntl(fd, F_GETFD) >= 0 || errno != EBADF) continue;
    // The lowest free number: this one, as the ones below it are open.
    const int opened = open("/dev/null", O_RDWR | O_NOCTTY);
    if (opened > fd) close(opened);  // cannot happen; never leave a stray one open
  }
}
