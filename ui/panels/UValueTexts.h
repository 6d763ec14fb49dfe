#pragma once
// The fixed lists of the settings pages: each value with the text its combo shows.
#include "UComboChoices.h"
#include "afx/CString.h"
#include "win32/WinTypes.h"

#include <cstddef>

struct MvValueText {
    LONG value;
    const char* text;
};

class UValueTexts {
public:
    template <size_t N>
    static void Populate(CComboBox* combo, const MvValueText (&table)[N])
    {
        if (!combo) return;
        UComboChoices::Clear(combo);
        for (const MvValueText& entry : table) UComboChoices::Add(combo, entry.text);
    }
    // The empty text for a value the table lacks.
    template <size_t N>
    static CString TextOf(const MvValueText (&table)[N], LONG value)
    {
        for (const MvValueText& entry : table)
            if (entry.value == value) return entry.text;
        return "";
    }
    // The first value for a text the table lacks.
    template <size_t N>
    static LONG ValueOf(const MvValueText (&table)[N], const char* text)
    {
        for (const MvValueText& entry : table)
            if (CString(text) == entry.text) return entry.value;
        return table[0].value;
    }
};
