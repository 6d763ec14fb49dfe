#pragma once
// The separator rules of stored paths.
#include "afx/CString.h"

class UPathText {
public:
    // Every '\' turned into the native '/'.
    static CString FilePath(const char* path);
    // The same, ending in exactly the one '/' it ends with: an empty folder becomes "/".
    static CString FolderPath(const char* path);
};
