#pragma once
// Chooses the Windows Media profile of a media output by version and name, among the
// profiles that carry video exactly when the output wants video.
#include "CObjectController2.h"
#include "UWmProfiles.h"

class CComboBox;
class CMediaOutput2;
class CWmOutput2;

class CWmOutput2Controller : public CObjectController2 {
public:
    CWmOutput2Controller();
    ~CWmOutput2Controller() override;

    bool ListenToMessage(long message, const void* p, const void* q) override;
    bool Respond(long code, CBroadcaster* sender, long a, long b) override;
    void SetObjectSelf(CPersistObject* object) override;
    void SetDefault() override;
    void Refresh() override;
    char* GetText() override;
    virtual void SetOutput(CWmOutput2* output);
    virtual void SetDefaultProfile();

    void SetControls(CComboBox* version, CComboBox* profile);
    const UWmProfiles::Version* GetVersion() const;
    const UWmProfiles::Profile* GetProfile() const;
    static CString GetVersionText(unsigned short version);
    static unsigned short GetVersion(const char* text);
    bool WantsVideo() const;

    void PopulateVersionCombo();
    void PopulateProfileCombo();
    void ReflectVersion();
    void ReflectProfile();
    void EnterVersion();
    void EnterProfile();

private:
    CMediaOutput2* GetMediaOutput() const;

    CWmOutput2* m_output = nullptr;
    CComboBox* m_version = nullptr;
    CComboBox* m_profile = nullptr;
};
