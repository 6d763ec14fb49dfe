#pragma once
// The local date and time as text for file names.

class UDateText {
public:
    // "2007_01_13 06_25_49", in the rotating text buffer.
    static char* GetDateText();
};
