#include "CBrivastAccount.h"

#include "CBrivastCategory.h"
#include "URecordListUtils.h"

MV_IMPLEMENT_PERSIST_CLASS(CBrivastAccount, CWebAccount, FourCharCode("bvac"))

CBrivastAccount& CBrivastAccount::operator=(const CBrivastAccount& other)
{
    if (this == &other) return *this;
    CWebAccount::operator=(other);
    m_refreshInterval = other.m_refreshInterval;
    m_encodeQuality = other.m_encodeQuality;
    m_support3d = other.m_support3d;
    m_supportAnimatedThumbnail = other.m_supportAnimatedThumbnail;
    m_supportLargeSize = other.m_supportLargeSize;
    m_supportRecording = other.m_supportRecording;
    m_supportRemote = other.m_supportRemote;
    m_broadcasts = other.m_broadcasts;
    return *this;
}

void CBrivastAccount::AddCategory(CBrivastCategory* category)
{
    m_categories.Add(category);
}

void CBrivastAccount::RemoveCategory(CBrivastCategory* category)
{
    URecordListUtils::Delete(m_categories, category);
}

CBrivastCategory* CBrivastAccount::GetCategory(int index) const
{
    return URecordListUtils::At<CBrivastCategory>(m_categories, index);
}

CBrivastCategory* CBrivastAccount::FindCategory(const char* name) const
{
    return URecordListUtils::FindByName<CBrivastCategory>(m_categories, name);
}

CBrivastCategory* CBrivastAccount::FindCategory(ULONG id) const
{
    return URecordListUtils::FindById<CBrivastCategory>(m_categories, id);
}

void CBrivastAccount::AddBroadcast(CBrivastBroadcast* broadcast)
{
    m_broadcasts.Add(broadcast);
}

void CBrivastAccount::RemoveBroadcast(CBrivastBroadcast* broadcast)
{
    URecordListUtils::Delete(m_broadcasts, broadcast);
}

CBrivastBroadcast* CBrivastAccount::GetBroadcast(int index) const
{
    return URecordListUtils::At<CBrivastBroadcast>(m_broadcasts, index);
}

CBrivastBroadcast* CBrivastAccount::FindBroadcast(const char* name)
{
    CBrivastBroadcast* found = URecordListUtils::FindByName<CBrivastBroadcast>(m_broadcasts, name);
    return found ? found : &m_defaultBroadcast;
}

CBrivastBroadcast* CBrivastAccount::FindBroadcast(LONG id)
{
    CBrivastBroadcast* found = URecordListUtils::FindById<CBrivastBroadcast>(m_broadcasts, id);
    return found ? found : &m_defaultBroadcast;
}

MV_IMPLEMENT_PLAIN_PROPERTY(CBrivastAccount, RefreshInterval, unsigned char, unsigned char, m_refreshInterval,
                            kRefreshIntervalChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CBrivastAccount, EncodeQuality, unsigned char, unsigned char, m_encodeQuality,
                            kEncodeQualityChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CBrivastAccount, Support3d, bool, bool, m_support3d, kSupport3dChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CBrivastAccount, SupportAnimatedThumbnail, bool, bool, m_supportAnimatedThumbnail,
                            kSupportAnimatedThumbnailChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CBrivastAccount, SupportLargeSize, bool, bool, m_supportLargeSize,
                            kSupportLargeSizeChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CBrivastAccount, SupportRecording, bool, bool, m_supportRecording,
                            kSupportRecordingChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CBrivastAccount, SupportRemote, bool, bool, m_supportRemote,
                            kSupportRemoteChangedNotice)
