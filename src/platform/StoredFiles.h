#pragma once

// The page keeps the files the game saves in the browser's IndexedDB, which every
// tab of the page shares; the game reads and writes a copy of them in the page's
// memory, brought in before the game starts. On the desktop the files on disk are
// all there is, and both calls do nothing.

// Whether the files now hold what other tabs stored, for a save that reads them
// first: the first call asks for the page's lock on the stored files (a Web Lock
// every tab shares) and brings them in once it is this tab's; later ones say
// when they are in (a pass or two). True means: save now, in this pass. The
// desktop's are in at once, and its save takes its own lock on the files.
bool fetchStoredFiles();
// After a save: stores the files, so a reload or another tab finds them, and lets
// go of the lock once they are stored (a save that stored nothing lets go too).
void storeSavedFiles();
