#include "CFilterCheck.h"

#include "CPersistStorage.h"

MV_IMPLEMENT_PERSIST_CLASS(CFilterCheck, CPersistObject, CFilterCheck::kType)

const char* const CFilterCheck::kIdTag = "id";
const char* const CFilterCheck::kInstalledTag = "installed";

CFilterCheck::CFilterCheck(const CFilterCheck& other)
    : CPersistObject(other), m_id(other.m_id), m_installed(other.m_installed)
{
}

CFilterCheck& CFilterCheck::operator=(const CFilterCheck& other)
{
    if (this == &other) return *this;
    CPersistObject::operator=(other);
    m_id = other.m_id;
    m_installed = other.m_installed;
    return *this;
}

void CFilterCheck::SaveSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::SaveSelf(name, storage);
    storage.Save(kIdTag, m_id);
    storage.Save(kInstalledTag, m_installed);
}

void CFilterCheck::LoadSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::LoadSelf(name, storage);
    storage.Load(kIdTag, m_id);
    storage.Load(kInstalledTag, m_installed);
}

bool CFilterCheck::SetId(const GUID& id)
{
    return ChangeProperty(m_id, id, kIdChangedNotice);
}

bool CFilterCheck::SetInstalled(bool installed)
{
    return ChangeProperty(m_installed, installed, kInstalledChangedNotice);
}
