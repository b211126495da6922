#pragma once

// The page keeps the files the game saves in the browser's IndexedDB, which every
// tab of the page shares; the game reads and writes a copy of them in the page's
// memory, brought in before the game starts. On the desktop the files on disk are
// all there is, and both calls do nothing.

// Whether the files now hold what other tabs stored, for a save that reads them
// first: the first call starts bringing them in, later ones say when they are in
// (a pass or two). The desktop's are in at once.
bool fetchStoredFiles();
// After a save: stores the files, so a reload or another tab finds them.
void storeSavedFiles();
