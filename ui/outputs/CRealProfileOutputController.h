#pragma once
// Chooses the RealMedia audience of a media output among the producer's audiences that
// carry video exactly when the output wants video.
#include "CObjectController2.h"

class CComboBox;
class CMediaOutput2;
class CRealOutput;
class CRealProfile;

class CRealProfileOutputController : public CObjectController2 {
public:
    CRealProfileOutputController();
    ~CRealProfileOutputController() override;

    bool ListenToMessage(long message, const void* p, const void* q) override;
    bool Respond(long code, CBroadcaster* sender, long a, long b) override;
    void SetObjectSelf(CPersistObject* object) override;
    void SetDefault() override;
    void Refresh() override;
    char* GetText() override;
    virtual void SetOutput(CRealOutput* output);
    virtual void SetDefaultProfile();

    void SetControls(CComboBox* profile) { m_profile = profile; }
    CRealProfile* GetProfile();
    bool WantsVideo() const;
    void PopulateProfileCombo();
    void ReflectProfile();
    void EnterProfile();

private:
    CMediaOutput2* GetMediaOutput() const;

    CRealOutput* m_output = nullptr;
    CComboBox* m_profile = nullptr;
};
