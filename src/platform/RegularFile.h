#pragma once
#include <cstddef>
#include <string>

// Maps and score files larger than this are refused as unreadable: the game's
// own are a few kilobytes, and a bigger one would only cost memory and time.
const size_t kMaxTextFileBytes = 1u << 20;  // bytes

// Opens `path` for reading only when it is a regular file of at most maxBytes;
// -1 otherwise. A FIFO or a device is never waited on, nor read: it counts as missing.
int openRegularFile(const char* path, size_t maxBytes);

// The whole of such a file in `bytes`; false, with `bytes` empty, when it is
// refused, cannot be read, or grows while it is read.
bool readRegularFile(const char* path, size_t maxBytes, std::string& bytes);
