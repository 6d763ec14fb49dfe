#pragma once
// Asks the maker's web service whether a newer version of the running application exists.
#include "afx/CString.h"

class UMorvaneWebUtils {
public:
    // The installer's address when the user accepts a free upgrade, else "".
    static CString CheckVersion();
};
