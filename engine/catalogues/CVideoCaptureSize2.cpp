#include "CVideoCaptureSize2.h"

#include "CPersistStorage.h"
#include "TSortedPersistList.h"
#include "UDataListUtils.h"

MV_IMPLEMENT_PERSIST_CLASS(CVideoCaptureSize2, CPersistObject, CVideoCaptureSize2::kType)

CVideoCaptureSize2::CVideoCaptureSize2()
{
    m_frameRates.SetChildClassId(CVideoCaptureFrameRate2::kType);
    m_frameRates.SetCompareFunction(
        ComparePersistItems<CVideoCaptureFrameRate2, &CVideoCaptureFrameRate2::GetFrameRate>);
}

void CVideoCaptureSize2::SaveSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::SaveSelf(name, storage);
    storage.Save("width", m_width);
    storage.Save("height", m_height);
    m_frameRates.Save("frame rates", storage);
}

void CVideoCaptureSize2::LoadSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::LoadSelf(name, storage);
    storage.Load("width", m_width);
    storage.Load("height", m_height);
    m_frameRates.Load("frame rates", storage);
    UDataListUtils::DropForeignItems(m_frameRates, CVideoCaptureFrameRate2::kType);
}

MV_IMPLEMENT_PLAIN_PROPERTY(CVideoCaptureSize2, Width, unsigned short, unsigned short, m_width, kWidthChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CVideoCaptureSize2, Height, unsigned short, unsigned short, m_height, kHeightChangedNotice)

CVideoCaptureFrameRate2* CVideoCaptureSize2::GetFrameRate(int index) const
{
    return PersistListItem<CVideoCaptureFrameRate2>(m_frameRates, index);
}

CVideoCaptureFrameRate2* CVideoCaptureSize2::Find(double frameRate) const
{
    return FindByKey<CVideoCaptureFrameRate2, &CVideoCaptureFrameRate2::GetFrameRate>(m_frameRates, frameRate);
}

CVideoCaptureFrameRate2* CVideoCaptureSize2::Add(double frameRate)
{
    return FindOrAddByKey<CVideoCaptureFrameRate2, &CVideoCaptureFrameRate2::GetFrameRate,
                          &CVideoCaptureFrameRate2::SetFrameRate>(m_frameRates, frameRate);
}

CVideoCaptureFrameRate2* CVideoCaptureSize2::AddSetting(double frameRate, LONG colorFormat)
{
    CVideoCaptureFrameRate2* rate = Add(frameRate);
    rate->Add(colorFormat);
    return rate;
}
