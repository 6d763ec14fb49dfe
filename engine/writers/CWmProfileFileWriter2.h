#pragma once
// The Windows Media writer of type 250: a stored profile chosen by version and name.
#include "CWmAsfWriter.h"

class CWmProfile2;

class CWmProfileFileWriter2 : public CWmAsfWriter {
public:
    explicit CWmProfileFileWriter2(CDirectShowGraph* graph = nullptr, const char* name = "WMV Writer");

    // Nothing to do without a profile name.
    bool SetupBeforeConnect() override;

    void SetProfileVersion(short version) { m_profileVersion = version; }
    void SetProfileName(const char* name) { m_profileName = name ? name : ""; }
    short GetProfileVersion() const { return m_profileVersion; }
    const char* GetProfileName() const { return m_profileName; }

protected:
    // The named profile of the engine's list, copied as this writer adjusts it, given to
    // the writer; false when it is missing or cannot be copied.
    bool ApplyStoredProfile();
    // The copy written: video only when the output has no audio.
    virtual CWmProfile2* Adjust(const CWmProfile2& found) const;

private:
    short m_profileVersion = 8;
    CString m_profileName;
};
