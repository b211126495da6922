#pragma once
#include <cstddef>
#include <string>

// The bound on a map or an extras file read: the game's own are a few kilobytes.
const size_t kMaxTextFileBytes = 1u << 20;  // bytes

// Opens `path` for reading only when it is a regular file of at most maxBytes;
// -1 otherwise. A FIFO or a device is never waited on, nor read: it counts as missing.
int openRegularFile(const char* path, size_t maxBytes);

// What a read does with a file larger than its bound: refuse it, or take its first bytes.
enum class Oversize { Refuse, Cut };

// The whole of a regular file in `bytes` (or, cut, its first maxBytes); false, with
// `bytes` empty, when it is refused, cannot be read, or grows past its bound while it is read.
bool readRegularFile(const char* path, size_t maxBytes, std::string& bytes,
                     Oversize oversize = Oversize::Refuse);
