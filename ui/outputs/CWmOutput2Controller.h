#pragma once
// Chooses the Windows Media profile of a media output by version and name, among the
// profiles that carry video exactly when the output wants video.
#include "TProfileOutputController.h"
#include "UWmProfiles.h"

class CComboBox;

class CWmOutput2Controller : public TProfileOutputController<CWmOutput2, &CMediaOutput2::GetWmOutput> {
public:
    bool Respond(long code, CBroadcaster* sender, long a, long b) override;
    void SetDefault() override;
    void Refresh() override;
    virtual void SetDefaultProfile();

    void SetControls(CComboBox* version, CComboBox* profile);
    const UWmProfiles::Version* GetVersion() const;
    const UWmProfiles::Profile* GetProfile() const;
    static CString GetVersionText(unsigned short version);
    static unsigned short GetVersion(const char* text);

    void PopulateVersionCombo();
    void PopulateProfileCombo();
    void ReflectVersion();
    void ReflectProfile();
    void EnterVersion();
    void EnterProfile();

private:
    CComboBox* m_version = nullptr;
    CComboBox* m_profile = nullptr;
};
