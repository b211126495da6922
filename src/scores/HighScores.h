#pragma once
#include <cstdint>
#include <string>

#include "text/TextLabel.h"

const int kScoreEntries = 10;

// The ten best scores, best first, and their names; kept in two text files
// line by line: "scoredata.txt" and "scorenames.txt".
extern int32_t scoreValues[kScoreEntries];
extern std::string scoreNames[kScoreEntries];
extern TextLabel scoreLabels[kScoreEntries];

// Reads both files into the table, after finishing any save a dead game left half done.
void loadScores();
// Writes the table to both files, together, under a lock that all games take. When
// another game saved since this one last read or wrote them, its table is kept and
// this game's new entries are inserted into it again. Files that already hold the
// table are left untouched; a table that cannot be saved is said in one line.
void saveScores();
// Inserts (name, score) below any equal entries, if it beats the tenth entry.
void insertScore(const std::string& name, int32_t score);
void renderScores();

// Reads a score line: leading white space, an optional sign, digits; else 0.
int32_t parseScoreLine(const std::string& line);
