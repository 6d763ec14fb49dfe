#pragma once
// The marks that keep a crashing codec or device from being tested again: "blocked" is
// set in the item's section before it is touched and cleared after, so a mark still set
// at the next run names an item that took the process down.
#include "CIniProfile.h"
#include "CRegistry.h"

class UTesterMarks {
public:
    static constexpr const char* kCodecsFile = "codecs.ini";
    static constexpr const char* kDevicesFile = "devices.ini";

    // Names the file in the common application-data folder.
    static void Open(CIniProfile& profile, const char* fileName);
    static bool IsBlocked(CIniProfile& profile, const char* section);
    // Runs the test between setting and clearing the mark; false (nothing run) when blocked.
    template <class Test> static bool Guard(CIniProfile& profile, const char* section, Test test)
    {
        if (IsBlocked(profile, section)) return false;
        CRegistry mark(section, "blocked", &profile);
        mark.SetValue(1);
        test();
        mark.SetValue(0);
        return true;
    }
};
