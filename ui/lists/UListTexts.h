#pragma once
// Texts the media lists share: an item's processing status and its estimated size.
#include "afx/CString.h"
#include "win32/WinTypes.h"

class UListTexts {
public:
    // "Ready", "Converting", "Converted", the cancelled word the list spells, "Error";
    // "-" for any other status.
    static CString GetStatusText(LONG status, const char* cancelled);
    // "<size> KB", or "-" while nothing is estimated.
    static CString GetSizeText(ULONG size);

    static constexpr const char* kCancelled = "Cancelled";
    static constexpr const char* kCanceled = "Canceled";
};
