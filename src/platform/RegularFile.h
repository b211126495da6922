#pragma once
#include <cstddef>
#include <string>

// The bound on a map or an extras file read: the game's own are a few kilobytes.
const size_t kMaxTextFileBytes = 1u << 20;  // bytes
// The bound on a picture, a sound or the font: ours are each under 1 MB.
const size_t kMaxMediaFileBytes = 64u << 20;  // bytes

// What a read does with a file larger than its bound: refuse it, or take its first bytes.
enum class Oversize { Refuse, Cut };

// What a read found.
enum class FileRead {
  Whole,    // `bytes` holds the whole file
  Cut,      // the file is larger than its bound: `bytes` holds its first maxBytes
  Missing,  // nothing by that name
  Refused,  // not a regular file (a FIFO, a device, a folder), too large, unreadable, or it grew while read
};

// Reads a regular file into `bytes`; on Missing and Refused `bytes` is empty. A FIFO or a
// device is never opened, so never waited on. Every file the game reads goes through here.
FileRead readRegularFile(const char* path, size_t maxBytes, std::string& bytes,
                         Oversize oversize = Oversize::Refuse);

// Whether the read left bytes to use: the whole file, or its first bytes.
inline bool wasRead(FileRead read) { return read == FileRead::Whole || read == FileRead::Cut; }
