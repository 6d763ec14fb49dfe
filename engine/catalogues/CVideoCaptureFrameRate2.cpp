#include "CVideoCaptureFrameRate2.h"

#include "CPersistStorage.h"

MV_IMPLEMENT_PERSIST_CLASS(CVideoCaptureFrameRate2, CPersistObject, CVideoCaptureFrameRate2::kType)

void CVideoCaptureFrameRate2::SaveSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::SaveSelf(name, storage);
    storage.Save("frame rate", m_frameRate);
    m_colors.Save("colors", storage);
}

void CVideoCaptureFrameRate2::LoadSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::LoadSelf(name, storage);
    double rate = m_frameRate;
    storage.Load("frame rate", rate);
    // A stored rate passes the same check as a set one.
    m_frameRate = ValidateFrameRate(rate);
    m_colors.Load("colors", storage);
}

double CVideoCaptureFrameRate2::ValidateFrameRate(double rate)
{
    return rate > 0 ? rate : m_frameRate;
}

MV_IMPLEMENT_NO_SIDE_EFFECT(CVideoCaptureFrameRate2, FrameRate)
MV_IMPLEMENT_PROPERTY_SETTER(CVideoCaptureFrameRate2, FrameRate, double, m_frameRate, kFrameRateChangedNotice)

void CVideoCaptureFrameRate2::Add(LONG color)
{
    if (m_colors.GetIndex(color) < 0) m_colors.Add(color);
}
