#pragma once
#include <string>

// Where the score files really are, and the temporary files made beside them.

// The file that `path` names: the end of its chain of symbolic links, so a save
// writes through a link instead of replacing it.
std::string followLinks(std::string path);
// That file by its full path, its folder's links resolved too, so that games in
// different folders whose links lead to one file name it alike.
std::string realFileOf(const std::string& path);
// The folder holding `path`: "." for a bare file name.
std::string folderOf(const std::string& path);
// Makes a new temporary file, with a unique name, in the folder of `path`; returns
// it open for writing, or -1 when none can be made (errno tells why).
int makeTemporary(const std::string& path, std::string& temp);
// Whether `temp` is a name that makeTemporary gives for `path`.
bool isTemporaryOf(const std::string& temp, const std::string& path);
// Removes every temporary file of `path`: what a game that died while saving left.
void removeTemporariesOf(const std::string& path);
// Makes the renames and removals in the folder of `path` durable.
void syncFolder(const std::string& path);
// Writes all the bytes from the file's start; false when any of it failed.
bool writeAll(int fd, const std::string& bytes);
// The same, made durable.
bool writeDurably(int fd, const std::string& bytes);
enum class FileState { Missing, Read, Unreadable };
// At most the first 1 MB of a regular file, which bounds memory; a file cut
// there counts as read when those bytes hold `linesWanted` whole lines, else as
// unreadable. A device or a pipe is never waited on: it is unreadable.
FileState readScoreFile(const std::string& path, int linesWanted, std::string& bytes);
