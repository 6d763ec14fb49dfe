#pragma once
// GUIDs as 36-character text without braces; the all-zero GUID as the empty text.
#include "win32/WinTypes.h"

class UGuidUtils {
public:
    static char* GuidToString(const GUID& guid);
    // Anything but a well-formed 36-character text gives the all-zero GUID.
    static GUID GuidFromString(const char* text);
};
