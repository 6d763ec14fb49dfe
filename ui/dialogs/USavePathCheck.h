#pragma once
// Whether a job can write its result where the user asked, before anything starts.
#include "afx/CString.h"

class USavePathCheck {
public:
    // Empty when the file can be written there; otherwise what stops it, for the user.
    static CString Check(const char* path);
};
