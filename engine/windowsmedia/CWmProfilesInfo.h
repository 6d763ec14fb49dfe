#pragma once
// The Windows Media profiles the engine found, by profile version in the order the
// versions were first met. The first catalogue made is the process-wide one.
#include "CPersistList.h"

class CWmProfile2;
class CWmProfileVersion;

class CWmProfilesInfo : public CPersistObject {
    MV_DECLARE_PERSIST_CLASS(CWmProfilesInfo)
public:
    CWmProfilesInfo();
    CWmProfilesInfo(const CWmProfilesInfo& other);
    CWmProfilesInfo& operator=(const CWmProfilesInfo&) = default;
    ~CWmProfilesInfo() override;

    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    int GetVersionCount() const { return m_versions.GetItemCount(); }
    CWmProfileVersion* GetVersion(int index) const;
    CWmProfileVersion* Find(unsigned short version) const;
    // The version's entry, appended when missing.
    CWmProfileVersion* Add(unsigned short version);
    // Takes the profile into that version's list.
    void AddSetting(unsigned short version, CWmProfile2* profile);

    static constexpr LONG kType = FourCharCode("wpfs");
    static CWmProfilesInfo* sInfo;

private:
    CPersistList m_versions{true};
};
