#pragma once
#include <string>

// A save written over the score files where they are: where no temporary file can
// be made (a read-only folder) or none may replace them (hard-linked files). Its
// record, both new files whole, is kept in the lock file, which every game
// already opens. Room is made for both files first, the record is made durable
// before either file changes, and it is emptied once both are written, so a save
// that fails or dies in between is finished by the next game and, until then,
// the table is read from the record. Every call runs under the scores' lock.

// Opens both files for writing, neither cut; false, with none left open, when either fails.
bool openBoth(const std::string targets[2], int fds[2]);
// Sets aside the room the new bytes need, changing neither file.
bool makeRoomFor(const int fds[2], const std::string bytes[2]);
// Makes the record of both files' new bytes durable in the lock file.
bool recordInPlace(int lockFd, const std::string bytes[2]);
// The whole record's bytes of both files; false when the lock file holds no whole record.
bool readInPlaceRecord(const std::string& lockPath, std::string bytes[2]);
// Writes both files over, each cut to its length only once its new bytes are in:
// the first that failed (0 or 1), or -1.
int writeBoth(const int fds[2], const std::string bytes[2]);
// Empties the lock file; false when a record may still stand.
bool clearInPlaceRecord(int lockFd);
