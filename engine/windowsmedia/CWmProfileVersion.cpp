#include "CWmProfileVersion.h"

#include "CPersistStorage.h"
#include "CWmProfile2.h"
#include "TSortedPersistList.h"

#include <cstring>

MV_IMPLEMENT_PERSIST_CLASS(CWmProfileVersion, CPersistObject, CWmProfileVersion::kType)

CWmProfileVersion::CWmProfileVersion()
{
    m_profiles.SetCompareFunction(ComparePersistNames<CMediaProfile, &CMediaProfile::GetNameText>);
}

void CWmProfileVersion::SaveSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::SaveSelf(name, storage);
    storage.Save("version", m_version);
    m_profiles.Save("profiles", storage);
}

void CWmProfileVersion::LoadSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::LoadSelf(name, storage);
    storage.Load("version", m_version);
    m_profiles.Load("profiles", storage);
}

MV_IMPLEMENT_PLAIN_PROPERTY(CWmProfileVersion, Version, unsigned short, unsigned short, m_version,
                            kVersionChangedNotice)

CWmProfile2* CWmProfileVersion::GetProfile(int index) const
{
    return dynamic_cast<CWmProfile2*>(m_profiles.GetAt(index));
}

int CWmProfileVersion::GetProfileIndex(const CWmProfile2* profile) const { return m_profiles.GetIndex(profile); }

void CWmProfileVersion::AddProfile(CWmProfile2* profile) { m_profiles.Add(profile); }

CWmProfile2* CWmProfileVersion::Find(const char* name) const
{
    if (!name) return nullptr;
    for (int i = 0; i < m_profiles.GetItemCount(); ++i)
        if (CWmProfile2* profile = GetProfile(i); profile && std::strcmp(profile->GetName(), name) == 0) return profile;
    return nullptr;
}

CWmProfile2* CWmProfileVersion::FindFirst(bool hasVideo) const
{
    for (int i = 0; i < m_profiles.GetItemCount(); ++i)
        if (CWmProfile2* profile = GetProfile(i); profile && profile->GetHasVideo() != hasVideo) return profile;
    return nullptr;
}
