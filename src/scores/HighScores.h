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

void loadScores();
// Replaces both files atomically (a temporary file beside each, made durable,
// then a rename), through symbolic links and keeping permission bits; writes
// in place where no temporary file can be made.
void saveScores();
// Inserts (name, score) below any equal entries, if it beats the tenth entry.
void insertScore(const std::string& name, int32_t score);
void renderScores();

// Reads a score line: leading white space, an optional sign, digits; else 0.
int32_t parseScoreLine(const std::string& line);
