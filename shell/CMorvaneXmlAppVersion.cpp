#include "CMorvaneXmlAppVersion.h"

#include "CPersistStorage.h"
#include "MvMediaProperty.h"
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

MV_IMPLEMENT_PLAIN_PROPERTY(CMorvaneXmlAppVersion, Version, const char*, CString, m_version, kVersionChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CMorvaneXmlAppVersion, DownloadUrl, const char*, CString, m_downloadUrl, kDownloadUrlChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CMorvaneXmlAppVersion, UpgradeId, LONG, LONG, m_upgradeId, kUpgradeIdChangedNotice)
