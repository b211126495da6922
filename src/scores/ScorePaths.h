#pragma once
#include <string>

// Where the score files really are, and the temporary files made beside them.

// The file that `path` names: the end of its chain of symbolic links, so a save
// writes through a link instead of replacing it.
std::string followLinks(std::string path);
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
// Writes all the bytes and makes them durable; false when any of it failed.
bool writeDurably(int fd, const std::string& bytes);
// The whole file when it is a regular file of at most 1 MB; false otherwise, so
// a device, a pipe or a huge file reads as a missing one and cannot hang the game.
bool readRegularFile(const std::string& path, std::string& bytes);
