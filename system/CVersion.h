#pragma once
// A four-part version number: major.minor.bugfix.build.
#include "win32/WinTypes.h"

class CVersion {
public:
    CVersion() = default;
    // From a program file's version record; 0.0.0.0 when it has none.
    explicit CVersion(const char* filePath);
    CVersion(const CVersion&) = default;
    CVersion& operator=(const CVersion&) = default;
    virtual ~CVersion() = default;

    // Dotted text; parts that are absent keep their values.
    void Parse(const char* text);
    // "%d.%d.%d.%d" in the rotating text buffer.
    char* GetVersionText() const;
    // "%d.%d.%d" when the bug-fix number is not 0, else "%d.%d".
    char* GetSimpleVersionText() const;

    WORD GetMajorVersion() const { return m_major; }
    WORD GetMinorVersion() const { return m_minor; }
    WORD GetBugFixVersion() const { return m_bugFix; }
    WORD GetBuildVersion() const { return m_build; }

    // Compares major, minor and bug fix; the build never counts.
    bool NewerThan(const CVersion& other) const;

private:
    WORD m_major = 0;
    WORD m_minor = 0;
    WORD m_bugFix = 0;
    WORD m_build = 0;
};
