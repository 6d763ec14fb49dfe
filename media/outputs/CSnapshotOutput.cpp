#include "CSnapshotOutput.h"

#include "CPersistStorage.h"

MV_IMPLEMENT_PERSIST_CLASS(CSnapshotOutput, CPersistObject, FourCharCode("snap"))

namespace {
const char* const kCaptureTag = "capture";
const char* const kImageTag = "image";
const char* const kTimeTag = "time";
const char* const kResizeTag = "resize";
const char* const kWidthTag = "width";
const char* const kHeightTag = "height";
}

void CSnapshotOutput::SaveSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::SaveSelf(name, storage);
    storage.Save(kCaptureTag, m_frameCapture);
    storage.Save(kImageTag, m_imageType);
    storage.Save(kTimeTag, m_capturePosition);
    storage.Save(kResizeTag, m_resize);
    storage.Save(kWidthTag, m_width);
    storage.Save(kHeightTag, m_height);
}

void CSnapshotOutput::LoadSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::LoadSelf(name, storage);
    storage.Load(kCaptureTag, m_frameCapture);
    storage.Load(kImageTag, m_imageType);
    storage.Load(kTimeTag, m_capturePosition);
    storage.Load(kResizeTag, m_resize);
    storage.Load(kWidthTag, m_width);
    storage.Load(kHeightTag, m_height);
}

double CSnapshotOutput::ValidateCapturePosition(double position)
{
    if (position < 0) return 0;
    if (position > 1) return 1;
    return position;
}
unsigned short CSnapshotOutput::ValidateWidth(unsigned short width) { return width >= 80 ? width : m_width; }
unsigned short CSnapshotOutput::ValidateHeight(unsigned short height) { return height >= 60 ? height : m_height; }
MV_IMPLEMENT_NO_SIDE_EFFECT(CSnapshotOutput, CapturePosition)
MV_IMPLEMENT_NO_SIDE_EFFECT(CSnapshotOutput, Width)
MV_IMPLEMENT_NO_SIDE_EFFECT(CSnapshotOutput, Height)
MV_IMPLEMENT_PROPERTY_SETTER(CSnapshotOutput, CapturePosition, double, m_capturePosition,
                             kCapturePositionChangedNotice)
MV_IMPLEMENT_PROPERTY_SETTER(CSnapshotOutput, Width, unsigned short, m_width, kWidthChangedNotice)
MV_IMPLEMENT_PROPERTY_SETTER(CSnapshotOutput, Height, unsigned short, m_height, kHeightChangedNotice)

MV_IMPLEMENT_PLAIN_PROPERTY(CSnapshotOutput, FrameCapture, EFrameCapture, EFrameCapture, m_frameCapture,
                            kFrameCaptureChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CSnapshotOutput, ImageType, EImageType, EImageType, m_imageType,
                            kImageTypeChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CSnapshotOutput, Resize, bool, bool, m_resize, kResizeChangedNotice)
