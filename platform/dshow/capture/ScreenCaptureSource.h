#pragma once
// "Screen Capture": the X11 screen, a region of it, a window or the area around the
// cursor, live through libavdevice, as RGB32/RGB24 pictures of the set size and rate.
// Without an X display (a Wayland session without X) the source cannot be created.
#include "dshow/capture/AvVideoInput.h"
#include "dshow/capture/CaptureSource.h"
#include "dshow/interfaces/ScreenCaptureSettings.h"

class CScreenCaptureSource : public CCaptureSource, public IScreenCaptureSettings {
public:
    static HRESULT Create(REFIID iid, void** object);
    CScreenCaptureSource();
    MV_FILTER_UNKNOWN

    HRESULT SetCapture(LONG kind) override;
    HRESULT SetX(WORD x) override;
    HRESULT SetY(WORD y) override;
    HRESULT SetWidth(WORD width) override;
    HRESULT SetHeight(WORD height) override;
    HRESULT SetWindow(HWND window) override;
    HRESULT SetCaptureCursor(BOOL capture) override;
    HRESULT SetBlockSize(WORD size) override;
    HRESULT SetFrameRate(double rate) override;

protected:
    ~CScreenCaptureSource() override;
    void* FindInterface(REFIID iid) override;
    HRESULT Open(const AM_MEDIA_TYPE& format) override;
    HRESULT Capture(const AM_MEDIA_TYPE& format) override { return CaptureFrom(m_screen, format); }
    void Close() override { m_screen.Close(); }

private:
    // The pin's formats follow the size, block size and rate.
    HRESULT Reformat(WORD width, WORD height, WORD block, double rate);

    LONG m_kind = 0;
    WORD m_x = 0;
    WORD m_y = 0;
    WORD m_width = 320;
    WORD m_height = 240;
    HWND m_window = nullptr;
    bool m_cursor = true;
    WORD m_block = 4;
    double m_rate = 25;
    CAvVideoInput m_screen;
};
