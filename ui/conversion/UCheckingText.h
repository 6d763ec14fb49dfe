#pragma once
// The status text of a file-checking worker.
#include "afx/CString.h"

class UCheckingText {
public:
    // "Checking " and the file's name without its folder; safe on any thread.
    static CString Of(const char* path);
};
