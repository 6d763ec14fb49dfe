#pragma once
// A RealMedia output: the audience profile name.
#include "CPersistObject.h"
#include "MvMediaProperty.h"

class CRealOutput : public CPersistObject {
    MV_DECLARE_PERSIST_CLASS(CRealOutput)
public:
    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    MV_DECLARE_PROPERTY(Profile, const char*, CString)

    const CString& GetProfile() const { return m_profile; }

    static constexpr LONG kProfileChangedNotice = FourCharCode("rlop");

private:
    CString m_profile;
};
