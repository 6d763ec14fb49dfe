#pragma once
// The Windows Media writer of type 250: a stored profile chosen by version and name.
#include "CWmAsfWriter.h"

class CWmProfileFileWriter2 : public CWmAsfWriter {
public:
    explicit CWmProfileFileWriter2(CDirectShowGraph* graph = nullptr, const char* name = "WMV Writer");

    void SetProfileVersion(short version) { m_profileVersion = version; }
    void SetProfileName(const char* name) { m_profileName = name ? name : ""; }
    short GetProfileVersion() const { return m_profileVersion; }
    const char* GetProfileName() const { return m_profileName; }

private:
    short m_profileVersion = 8;
    CString m_profileName;
};
