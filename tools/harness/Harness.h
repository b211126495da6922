#pragma once
// Shared by the benchmark and the headless driver.
#include <SDL/SDL.h>

#include <cstddef>
#include <cstdint>

// Resident memory of this process, in bytes: now, and the most it has been.
size_t residentBytes();
size_t peakResidentBytes();

// Bytes of the pictures the game holds: each decoded picture once, and the
// level pictures painted on copies of their own.
size_t pictureBytes();

// Lines in a text file, or -1 when it cannot be read.
int countLines(const char* path);

// Makes SDL headless (dummy video and audio) before start-up.
void useDummyDrivers();

// Puts a key press or release on the event queue, as the keyboard would.
void pushKey(SDLKey key, bool down);
