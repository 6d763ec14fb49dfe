#pragma once
// The switchable debug log: with "Debug"\"Enable" = 1 every line goes to "log.ini" in
// the program's folder, numbered from 1 for each run.
#include "CRegistry.h"

class CIniProfile;

class CDebugLogger {
public:
    CDebugLogger();
    ~CDebugLogger();
    CDebugLogger(const CDebugLogger&) = delete;
    CDebugLogger& operator=(const CDebugLogger&) = delete;

    void LogText(const char* text);
    static void Log(const char* text);
    bool IsEnabled() const { return m_enabled; }

    static CDebugLogger* sLogger;

private:
    CRegistry m_enable;
    bool m_enabled;
    CIniProfile* m_profile = nullptr;
    int m_lines = 0;
};
