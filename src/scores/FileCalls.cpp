#include "scores/FileCalls.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>

FileCalls fileCalls = {fsync, std::rename, mkostemp, std::remove};
