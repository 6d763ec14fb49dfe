#pragma once
// Turns the paths dropped on a window into a queue of files: folders are walked to all
// depths and only their files are queued, in the order shown.
#include "win32/WinTypes.h"

class CPath;
class CPointerList;

class UDroppedPaths {
public:
    // Moves every dropped file, and every file below a dropped folder, into the list (CPath*, owned).
    static void Queue(HDROP drop, CPointerList& list);
    // A file goes in front of the list and true is answered (the caller lets it loose);
    // a folder's files are moved out of it, from its last entry to its first.
    static bool Unwind(CPath* path, CPointerList& list);
};
