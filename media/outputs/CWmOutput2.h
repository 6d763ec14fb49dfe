#pragma once
// A Windows Media output: format version and profile name.
#include "CPersistObject.h"
#include "MvMediaProperty.h"

class CWmOutput2 : public CPersistObject {
    MV_DECLARE_PERSIST_CLASS(CWmOutput2)
public:
    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    MV_DECLARE_PROPERTY(Version, unsigned short, unsigned short)
    MV_DECLARE_PROPERTY(Profile, const char*, CString)

    unsigned short GetVersion() const { return m_version; }
    const CString& GetProfile() const { return m_profile; }

    static constexpr LONG kVersionChangedNotice = FourCharCode("wmcd");
    static constexpr LONG kProfileChangedNotice = FourCharCode("wmce");

private:
    unsigned short m_version = 8;
    CString m_profile;
};
