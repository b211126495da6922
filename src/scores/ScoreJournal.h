#pragma once
#include <string>

// The record, beside the real scores file, that both files are being replaced. A
// game writes both temporary files completely, then this record, then renames them;
// if it dies between the two renames, or the second rename fails, the next game
// finishes the change, so names and scores always come from the same save. Every
// call runs under the scores' lock. `journal` is the record's path.

// One file of the pair: the complete temporary file and the file it replaces.
struct Replacement {
  std::string temp;
  std::string target;
};

// Makes the record durable; false when it cannot be written.
bool recordChange(const std::string& journal, const Replacement pair[2]);
// Removes the record once both renames are done.
void clearChange(const std::string& journal);
// Finishes a recorded change to these targets, or drops a record that names
// others; then removes every temporary file a dead game left. False when a
// recorded change could not be finished: the record and its files stay for later.
bool finishChange(const std::string& journal, const std::string targets[2]);
// The files that hold the table an unfinished record restores: each temporary
// file still there, else its target; the targets when there is no record.
void recordedSources(const std::string& journal, const std::string targets[2], std::string sources[2]);
