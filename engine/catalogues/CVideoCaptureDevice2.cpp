#include "CVideoCaptureDevice2.h"

#include "CPersistStorage.h"
#include "TSortedPersistList.h"
#include "UDataListUtils.h"

MV_IMPLEMENT_PERSIST_CLASS(CVideoCaptureDevice2, CCaptureDevice2, CVideoCaptureDevice2::kType)

CVideoCaptureDevice2::CVideoCaptureDevice2()
{
    m_sizes.SetChildClassId(CVideoCaptureSize2::kType);
    m_sizes.SetCompareFunction(ComparePersistItems<CVideoCaptureSize2, &CVideoCaptureSize2::GetSortKey>);
}

void CVideoCaptureDevice2::SaveSelf(const char* name, CPersistStorage& storage)
{
    CCaptureDevice2::SaveSelf(name, storage);
    storage.Save("stream", m_hasStream);
    storage.Save("dv", m_isDv);
    storage.Save("more", m_hasMore);
    m_sizes.Save("sizes", storage);
}

void CVideoCaptureDevice2::LoadSelf(const char* name, CPersistStorage& storage)
{
    CCaptureDevice2::LoadSelf(name, storage);
    storage.Load("stream", m_hasStream);
    storage.Load("dv", m_isDv);
    storage.Load("more", m_hasMore);
    m_sizes.Load("sizes", storage);
    UDataListUtils::DropForeignItems(m_sizes, CVideoCaptureSize2::kType);
}

MV_IMPLEMENT_PLAIN_PROPERTY(CVideoCaptureDevice2, HasStream, bool, bool, m_hasStream, kHasStreamChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CVideoCaptureDevice2, IsDv, bool, bool, m_isDv, kIsDvChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CVideoCaptureDevice2, HasMore, bool, bool, m_hasMore, kHasMoreChangedNotice)

CVideoCaptureSize2* CVideoCaptureDevice2::GetSize(int index) const
{
    return PersistListItem<CVideoCaptureSize2>(m_sizes, index);
}

void CVideoCaptureDevice2::RemoveSize(CVideoCaptureSize2* size)
{
    RemoveFromPersistList(m_sizes, size);
}

CVideoCaptureSize2* CVideoCaptureDevice2::Find(unsigned short width, unsigned short height) const
{
    return FindSizeIn<CVideoCaptureSize2>(m_sizes, width, height);
}

CVideoCaptureSize2* CVideoCaptureDevice2::Add(unsigned short width, unsigned short height)
{
    return AddSizeIn<CVideoCaptureSize2>(m_sizes, width, height);
}

CVideoCaptureFrameRate2* CVideoCaptureDevice2::AddSetting(unsigned short width, unsigned short height,
                                                          double frameRate, LONG colorFormat)
{
    return Add(width, height)->AddSetting(frameRate, colorFormat);
}
