#pragma once
// The combo box chores every controller shares: lists of texts filled and chosen by exact
// text, with a prefix fallback where stored names may be shortened. All accept a null combo.
#include "afx/CString.h"

class CComboBox;

class UComboChoices {
public:
    static void Clear(CComboBox* combo);
    static void Add(CComboBox* combo, const char* text);
    // Index of the entry that equals the text, letter case included; -1 when none.
    static int FindExact(CComboBox* combo, const char* text);
    // Selects the equal entry, or none; false when there was none.
    static bool SelectExact(CComboBox* combo, const char* text);
    // Selects the equal entry, else the first that begins with the text, else none.
    static void SelectExactOrPrefix(CComboBox* combo, const char* text);
    // The selected entry's text; false, and the text empty, without a selection.
    static bool GetSelectedText(CComboBox* combo, CString& text);
};
