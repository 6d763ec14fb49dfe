#include "CVideoInfo2.h"

#include "CPersistStorage.h"

MV_IMPLEMENT_PERSIST_CLASS(CVideoInfo2, CImageInfo2, FourCharCode("vif2"))

namespace {
const char* const kFrameRateTag = "frame rate";
}

void CVideoInfo2::SaveSelf(const char* name, CPersistStorage& storage)
{
    CImageInfo2::SaveSelf(name, storage);
    storage.Save(kFrameRateTag, m_frameRate);
}

void CVideoInfo2::LoadSelf(const char* name, CPersistStorage& storage)
{
    CImageInfo2::LoadSelf(name, storage);
    storage.Load(kFrameRateTag, m_frameRate);
}

double CVideoInfo2::ValidateFrameRate(double rate) { return rate > 0 ? rate : 0; }
MV_IMPLEMENT_NO_SIDE_EFFECT(CVideoInfo2, FrameRate)
MV_IMPLEMENT_PROPERTY_SETTER(CVideoInfo2, FrameRate, double, m_frameRate, kFrameRateChangedNotice)
