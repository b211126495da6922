#pragma once
#include <string>

// The record, beside the score files, that both files are being replaced. A game
// writes both temporary files completely, then this record, then renames them; if
// it dies between the two renames, the next game finishes the change, so names and
// scores always come from the same save. Every call runs under the scores' lock.

// One file of the pair: the complete temporary file and the file it replaces.
struct Replacement {
  std::string temp;
  std::string target;
};

// Makes the record durable; false when it cannot be written.
bool recordChange(const Replacement pair[2]);
// Removes the record once both renames are done.
void clearChange();
// Finishes a recorded change to these targets, or drops a record that names
// others; then removes every temporary file a dead game left.
void finishChange(const std::string targets[2]);
