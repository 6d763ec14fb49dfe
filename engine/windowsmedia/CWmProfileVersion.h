#pragma once
// The profiles of one profile version, in name order.
#include "CPersistList.h"
#include "MvMediaProperty.h"

class CWmProfile2;

class CWmProfileVersion : public CPersistObject {
    MV_DECLARE_PERSIST_CLASS(CWmProfileVersion)
public:
    CWmProfileVersion();
    CWmProfileVersion(const CWmProfileVersion&) = default;
    CWmProfileVersion& operator=(const CWmProfileVersion&) = default;
    ~CWmProfileVersion() override = default;

    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    MV_DECLARE_PROPERTY(Version, unsigned short, unsigned short)
    unsigned short GetVersion() const { return m_version; }

    int GetProfileCount() const { return m_profiles.GetItemCount(); }
    CWmProfile2* GetProfile(int index) const;
    int GetProfileIndex(const CWmProfile2* profile) const;
    // Takes the profile, in name order.
    void AddProfile(CWmProfile2* profile);
    CWmProfile2* Find(const char* name) const;
    // The first profile whose video flag is the opposite of the one given.
    CWmProfile2* FindFirst(bool hasVideo) const;

    static constexpr LONG kType = FourCharCode("wmpf");
    static constexpr LONG kVersionChangedNotice = FourCharCode("wmpg");

private:
    unsigned short m_version = 0;
    CPersistList m_profiles{true};
};
