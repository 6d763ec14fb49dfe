#pragma once
// A calendar date in the user's short date format.
#include "afx/CString.h"

class UShortDate {
public:
    // The date as the user's time locale writes it briefly ("%x"); the C locale's
    // form when the user's locale cannot be had.
    static CString Format(int year, int month, int day);
};
