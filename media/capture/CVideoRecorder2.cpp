#include "CVideoRecorder2.h"

#include "CPersistStorage.h"

MV_IMPLEMENT_PERSIST_CLASS(CVideoRecorder2, CLiveRecorder2, FourCharCode("vca2"))

namespace {
const char* const kWidthTag = "width";
const char* const kHeightTag = "height";
const char* const kFrameRateTag = "frame rate";
const char* const kTimeStampTag = "time stamp";
const char* const kVideoSourceTag = "video source";
}

void CVideoRecorder2::SaveSelf(const char* name, CPersistStorage& storage)
{
    CLiveRecorder2::SaveSelf(name, storage);
    storage.Save(kWidthTag, m_width);
    storage.Save(kHeightTag, m_height);
    storage.Save(kFrameRateTag, m_frameRate);
    storage.Save(kTimeStampTag, m_timeStamp);
    m_videoSource.Save(kVideoSourceTag, storage);
}

void CVideoRecorder2::LoadSelf(const char* name, CPersistStorage& storage)
{
    CLiveRecorder2::LoadSelf(name, storage);
    storage.Load(kWidthTag, m_width);
    storage.Load(kHeightTag, m_height);
    storage.Load(kFrameRateTag, m_frameRate);
    storage.Load(kTimeStampTag, m_timeStamp);
    m_videoSource.Load(kVideoSourceTag, storage);
}

unsigned short CVideoRecorder2::ValidateWidth(unsigned short width) { return width == 0 ? m_width : width; }
unsigned short CVideoRecorder2::ValidateHeight(unsigned short height) { return height == 0 ? m_height : height; }
void CVideoRecorder2::SideEffectSizeChanged() {}

bool CVideoRecorder2::SetSize(unsigned short width, unsigned short height)
{
    width = ValidateWidth(width);
    height = ValidateHeight(height);
    if (width == m_width && height == m_height) return false;
    m_width = width;
    m_height = height;
    Notify(kSizeChangedNotice, 0, 0);
    SideEffectSizeChanged();
    return true;
}

MV_IMPLEMENT_PLAIN_PROPERTY(CVideoRecorder2, FrameRate, double, double, m_frameRate, kFrameRateChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CVideoRecorder2, TimeStamp, bool, bool, m_timeStamp, kTimeStampChangedNotice)
