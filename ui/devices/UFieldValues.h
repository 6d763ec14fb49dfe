#pragma once
// What the preset and platform pages read from and write into their fields: whole texts,
// leading numbers kept inside the range of the property they go to, and decimal texts.
#include "afx/CString.h"
#include "win32/WinTypes.h"

class CWnd;

class UFieldValues {
public:
    // The window's whole text; empty for a null window.
    static CString GetText(CWnd* window);
    // The text's leading integer (0 when none), held between 0 and the maximum.
    static ULONG GetNumber(CWnd* window, ULONG maximum);
    static void SetNumber(CWnd* window, ULONG number);
};
