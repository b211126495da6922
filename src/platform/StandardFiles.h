#pragma once

// Opens /dev/null as each of standard input, output and error that is closed.
// Must come before anything else opens a file: a closed one would take the
// lowest free number, and the game's lines would be written into it (the X
// connection, a score file). Uses libc alone, so the front links it too.
void fillStandardFiles();
