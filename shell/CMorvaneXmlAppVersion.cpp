#include "CMorvaneXmlAppVersion.h"

#include "CPersistStorage.h"
#include "UPersistUtils.h"

MV_IMPLEMENT_PERSIST_CLASS(CMorvaneXmlAppVersion, CPersistObject, FourCharCode("mvpa"))

namespace {

const char* const kVersionTag = "version";
const char* const kDownloadUrlTag = "download_url";
const char* const kUpgradeIdTag = "upgrade_id";

void LoadBounded(CPersistStorage& storage, const char* name, CString& text)
{
    UPersistUtils::Load(storage, name, text);
    if (text.GetLength() > CMorvaneXmlAppVersion::kMaxText) text = text.Left(CMorvaneXmlAppVersion::kMaxText);
}

} // namespace

CMorvaneXmlAppVersion& CMorvaneXmlAppVersion::operator=(const CMorvaneXmlAppVersion& other)
{
    if (this == &other) return *this;
    CPersistObject::operator=(other);
    m_version = other.m_version;
    m_downloadUrl = other.m_downloadUrl;
    m_upgradeId = other.m_upgradeId;
    return *this;
}

void CMorvaneXmlAppVersion::LoadSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::LoadSelf(name, storage);
    LoadBounded(storage, kVersionTag, m_version);
    LoadBounded(storage, kDownloadUrlTag, m_downloadUrl);
    storage.Load(kUpgradeIdTag, m_upgradeId);
}

CString CMorvaneXmlAppVersion::ValidateVersion(const char* version) { return CString(version); }
CString CMorvaneXmlAppVersion::ValidateDownloadUrl(const char* url) { return CString(url); }
LONG CMorvaneXmlAppVersion::ValidateUpgradeId(LONG id) { return id; }

void CMorvaneXmlAppVersion::SideEffectVersionChanged() {}
void CMorvaneXmlAppVersion::SideEffectDownloadUrlChanged() {}
void CMorvaneXmlAppVersion::SideEffectUpgradeIdChanged() {}

bool CMorvaneXmlAppVersion::SetVersion(const char* version)
{
    if (!ChangeProperty(m_version, ValidateVersion(version), kVersionChangedNotice)) return false;
    SideEffectVersionChanged();
    return true;
}

bool CMorvaneXmlAppVersion::SetDownloadUrl(const char* url)
{
    if (!ChangeProperty(m_downloadUrl, ValidateDownloadUrl(url), kDownloadUrlChangedNotice)) return false;
    SideEffectDownloadUrlChanged();
    return true;
}

bool CMorvaneXmlAppVersion::SetUpgradeId(LONG id)
{
    if (!ChangeProperty(m_upgradeId, ValidateUpgradeId(id), kUpgradeIdChangedNotice)) return false;
    SideEffectUpgradeIdChanged();
    return true;
}
