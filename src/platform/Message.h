#pragma once

// The game's lines on standard output (and the one on standard error). They
// never hold the game up: a line that the pipe or terminal will not take at
// once, because nobody reads it, is dropped. A line longer than a pipe takes
// in one piece is cut, keeping its line feed.
void printMessage(const char* format, ...) __attribute__((format(printf, 1, 2)));
void printError(const char* format, ...) __attribute__((format(printf, 1, 2)));
