#pragma once
// Chooses the RealMedia audience of a media output among the producer's audiences that
// carry video exactly when the output wants video.
#include "TProfileOutputController.h"

class CComboBox;
class CRealProfile;

class CRealProfileOutputController : public TProfileOutputController<CRealOutput, &CMediaOutput2::GetRealOutput> {
public:
    bool Respond(long code, CBroadcaster* sender, long a, long b) override;
    void SetDefault() override;
    void Refresh() override;
    virtual void SetDefaultProfile();

    void SetControls(CComboBox* profile) { m_profile = profile; }
    CRealProfile* GetProfile();
    void PopulateProfileCombo();
    void ReflectProfile();
    void EnterProfile();

private:
    CComboBox* m_profile = nullptr;
};
