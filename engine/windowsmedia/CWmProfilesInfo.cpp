#include "CWmProfilesInfo.h"

#include "CWmProfile2.h"
#include "CWmProfileVersion.h"

MV_IMPLEMENT_PERSIST_CLASS(CWmProfilesInfo, CPersistObject, CWmProfilesInfo::kType)

CWmProfilesInfo* CWmProfilesInfo::sInfo = nullptr;

CWmProfilesInfo::CWmProfilesInfo()
{
    if (!sInfo) sInfo = this;
}

CWmProfilesInfo::CWmProfilesInfo(const CWmProfilesInfo& other) : CPersistObject(other), m_versions(other.m_versions) {}

CWmProfilesInfo::~CWmProfilesInfo()
{
    if (sInfo == this) sInfo = nullptr;
}

void CWmProfilesInfo::SaveSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::SaveSelf(name, storage);
    m_versions.Save("versions", storage);
}

void CWmProfilesInfo::LoadSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::LoadSelf(name, storage);
    m_versions.Load("versions", storage);
}

CWmProfileVersion* CWmProfilesInfo::GetVersion(int index) const
{
    return dynamic_cast<CWmProfileVersion*>(m_versions.GetAt(index));
}

CWmProfileVersion* CWmProfilesInfo::Find(unsigned short version) const
{
    for (int i = 0; i < m_versions.GetItemCount(); ++i)
        if (CWmProfileVersion* entry = GetVersion(i); entry && entry->GetVersion() == version) return entry;
    return nullptr;
}

CWmProfileVersion* CWmProfilesInfo::Add(unsigned short version)
{
    if (CWmProfileVersion* found = Find(version)) return found;
    auto* entry = new CWmProfileVersion;
    entry->SetVersion(version);
    m_versions.Add(entry);
    return entry;
}

void CWmProfilesInfo::AddSetting(unsigned short version, CWmProfile2* profile)
{
    if (profile) Add(version)->AddProfile(profile);
}
