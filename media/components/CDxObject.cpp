#include "CDxObject.h"

#include "CPersistStorage.h"

MV_IMPLEMENT_PERSIST_CLASS(CDxObject, CNamedObject, FourCharCode("dxob"))

namespace {
const char* const kInstalledTag = "installed";
}

CDxObject& CDxObject::operator=(const CDxObject& other)
{
    if (this == &other) return *this;
    CNamedObject::operator=(other);
    m_installed = other.m_installed;
    return *this;
}

void CDxObject::SaveSelf(const char* name, CPersistStorage& storage)
{
    CNamedObject::SaveSelf(name, storage);
    storage.Save(kInstalledTag, m_installed);
}

void CDxObject::LoadSelf(const char* name, CPersistStorage& storage)
{
    CNamedObject::LoadSelf(name, storage);
    storage.Load(kInstalledTag, m_installed);
}

bool CDxObject::ValidateInstalled(bool installed)
{
    return installed;
}

void CDxObject::SInstalledeEffectInstalledChanged() {}

bool CDxObject::SetInstalled(bool installed)
{
    if (!ChangeProperty(m_installed, ValidateInstalled(installed), kInstalledChangedNotice)) return false;
    SInstalledeEffectInstalledChanged();
    return true;
}
