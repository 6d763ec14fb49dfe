#include "CScreenSource2.h"

#include "CEnumMap.h"
#include "CPersistStorage.h"
#include "UStringBuffer.h"

#include <cstring>

MV_IMPLEMENT_PERSIST_CLASS(CScreenSource2, CPersistObject, FourCharCode("scc2"))

namespace {
const char* const kCaptureTag = "capture";
const char* const kXTag = "x";
const char* const kYTag = "y";
const char* const kWidthTag = "width";
const char* const kHeightTag = "height";
const char* const kFrameRateTag = "frame rate";
const char* const kCursorTag = "cursor";
}

bool CScreenSource2::GetEnumText(const char* field, CEnumMap& map)
{
    if (field && std::strcmp(field, kCaptureTag) == 0) {
        map.Add(0, "Screen");
        map.Add(100, "Region");
        map.Add(101, "Window");
        map.Add(102, "Cursor");
        return true;
    }
    return CPersistObject::GetEnumText(field, map);
}

const char* CScreenSource2::ValidateSelf()
{
    const char* error = CPersistObject::ValidateSelf();
    if (error && *error) return error;
    if (m_capture == kCaptureWindowKind && !m_window)
        return UStringBuffer::Text("Please specify the window for the recording.");
    return nullptr;
}

void CScreenSource2::SaveSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::SaveSelf(name, storage);
    storage.Save(kCaptureTag, m_capture);
    storage.Save(kXTag, m_x);
    storage.Save(kYTag, m_y);
    storage.Save(kWidthTag, m_width);
    storage.Save(kHeightTag, m_height);
    storage.Save(kFrameRateTag, m_frameRate);
    storage.Save(kCursorTag, m_captureCursor);
}

void CScreenSource2::LoadSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::LoadSelf(name, storage);
    storage.Load(kCaptureTag, m_capture);
    storage.Load(kXTag, m_x);
    storage.Load(kYTag, m_y);
    storage.Load(kWidthTag, m_width);
    storage.Load(kHeightTag, m_height);
    storage.Load(kFrameRateTag, m_frameRate);
    storage.Load(kCursorTag, m_captureCursor);
}

double CScreenSource2::ValidateFrameRate(double rate) { return rate >= 0 ? rate : m_frameRate; }
MV_IMPLEMENT_NO_SIDE_EFFECT(CScreenSource2, FrameRate)
MV_IMPLEMENT_PROPERTY_SETTER(CScreenSource2, FrameRate, double, m_frameRate, kFrameRateChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CScreenSource2, Capture, EScreenCaptureKind, EScreenCaptureKind, m_capture,
                            kCaptureChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CScreenSource2, X, unsigned short, unsigned short, m_x, kXChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CScreenSource2, Y, unsigned short, unsigned short, m_y, kYChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CScreenSource2, Width, unsigned short, unsigned short, m_width, kWidthChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CScreenSource2, Height, unsigned short, unsigned short, m_height, kHeightChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CScreenSource2, CaptureCursor, bool, bool, m_captureCursor, kCaptureCursorChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CScreenSource2, Window, HWND, HWND, m_window, kWindowChangedNotice)
