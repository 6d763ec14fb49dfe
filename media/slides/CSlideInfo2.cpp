#include "CSlideInfo2.h"

#include "CPersistStorage.h"

MV_IMPLEMENT_PERSIST_CLASS(CSlideInfo2, CImageFile2, FourCharCode("slif"))

namespace {
const char* const kAspectRatioTag = "aspect ratio";
const char* const kDurationTag = "duration";
}

void CSlideInfo2::Clear()
{
    CImageFile2::Clear();
    m_aspectRatio.Clear();
}

void CSlideInfo2::SaveSelf(const char* name, CPersistStorage& storage)
{
    CImageFile2::SaveSelf(name, storage);
    m_aspectRatio.Save(kAspectRatioTag, storage);
    storage.Save(kDurationTag, m_duration);
}

void CSlideInfo2::LoadSelf(const char* name, CPersistStorage& storage)
{
    CImageFile2::LoadSelf(name, storage);
    m_aspectRatio.Load(kAspectRatioTag, storage);
    storage.Load(kDurationTag, m_duration);
}

MV_IMPLEMENT_PLAIN_PROPERTY(CSlideInfo2, Duration, double, double, m_duration, kDurationChangedNotice)
