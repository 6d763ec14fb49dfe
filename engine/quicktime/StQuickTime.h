#pragma once
// Starts QuickTime for the process while it lives, and keeps the version found.
#include "CLibrary.h"

class StQuickTime {
public:
    static constexpr const char* kLibraryName = "QTMLClient.dll";

    // The argument is not used.
    explicit StQuickTime(const char* unused = nullptr);
    StQuickTime(const StQuickTime&) = delete;
    StQuickTime& operator=(const StQuickTime&) = delete;
    ~StQuickTime();

    bool IsStarted() const { return m_started; }
    // 6.5 at least.
    static bool CheckVersion();
    // 7.3 at least: the H.264 rows are offered.
    static bool SupportH264();

    // 0 while QuickTime was never found.
    static long sVersion;
    // Objects that started QuickTime and still live.
    static int sStarts;

private:
    CLibrary m_library;
    bool m_started = false;
};
