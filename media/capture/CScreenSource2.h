#pragma once
// The part of the screen to record: the whole screen, a region, one window or the area
// around the pointer, at a frame rate, with or without the pointer.
#include "CPersistObject.h"
#include "MvMediaProperty.h"

// The screen capture kinds the engine passes on unchanged.
using EScreenCaptureKind = LONG;

class CScreenSource2 : public CPersistObject {
    MV_DECLARE_PERSIST_CLASS(CScreenSource2)
public:
    // Key "capture": the capture kinds.
    bool GetEnumText(const char* field, CEnumMap& map) override;
    // A window capture needs its window.
    const char* ValidateSelf() override;
    void SaveSelf(const char* name, CPersistStorage& storage) override;
    // The window is not stored: a handle means nothing to another run.
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    MV_DECLARE_PROPERTY(Capture, EScreenCaptureKind, EScreenCaptureKind)
    MV_DECLARE_PROPERTY(X, unsigned short, unsigned short)
    MV_DECLARE_PROPERTY(Y, unsigned short, unsigned short)
    MV_DECLARE_PROPERTY(Width, unsigned short, unsigned short)
    MV_DECLARE_PROPERTY(Height, unsigned short, unsigned short)
    // Below 0 keeps the stored rate.
    MV_DECLARE_PROPERTY(FrameRate, double, double)
    MV_DECLARE_PROPERTY(CaptureCursor, bool, bool)
    MV_DECLARE_PROPERTY(Window, HWND, HWND)

    EScreenCaptureKind GetCapture() const { return m_capture; }
    unsigned short GetX() const { return m_x; }
    unsigned short GetY() const { return m_y; }
    unsigned short GetWidth() const { return m_width; }
    unsigned short GetHeight() const { return m_height; }
    double GetFrameRate() const { return m_frameRate; }
    bool GetCaptureCursor() const { return m_captureCursor; }
    HWND GetWindow() const { return m_window; }

    static constexpr EScreenCaptureKind kCaptureWindowKind = 101;
    static constexpr LONG kCaptureChangedNotice = FourCharCode("scc3");
    static constexpr LONG kXChangedNotice = FourCharCode("scc4");
    static constexpr LONG kYChangedNotice = FourCharCode("scc5");
    static constexpr LONG kWidthChangedNotice = FourCharCode("scc6");
    static constexpr LONG kHeightChangedNotice = FourCharCode("scc7");
    static constexpr LONG kFrameRateChangedNotice = FourCharCode("scc8");
    static constexpr LONG kCaptureCursorChangedNotice = FourCharCode("scc9");
    static constexpr LONG kWindowChangedNotice = FourCharCode("scc:");

private:
    EScreenCaptureKind m_capture = 0;
    unsigned short m_x = 0;
    unsigned short m_y = 0;
    unsigned short m_width = 320;
    unsigned short m_height = 240;
    double m_frameRate = 5;
    bool m_captureCursor = true;
    HWND m_window = nullptr;
};
