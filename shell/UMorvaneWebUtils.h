#pragma once
// Asks the maker's web service whether a newer version of the running application exists.
#include "afx/CString.h"

class UMorvaneWebUtils {
public:
    // The installer's address when the user accepts a free upgrade, else "". Only an https
    // service is asked and only an https installer address is answered. When the service
    // could not be asked or gave no usable answer, failure (if given) receives what failed;
    // it is left empty otherwise. While the service is asked, the calling thread keeps
    // handling its messages, so its windows repaint; the main window takes no input then.
    static CString CheckVersion(CString* failure = nullptr);
};
