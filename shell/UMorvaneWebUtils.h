#pragma once
// Asks the maker's web service whether a newer version of the running application exists.
#include "afx/CString.h"

class UMorvaneWebUtils {
public:
    // The installer's address when the user accepts a free upgrade, else "". Only an https
    // service is asked and only an https installer address is answered.
    static CString CheckVersion();
};
