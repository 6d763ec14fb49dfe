#pragma once
// "Screen Capture": the screen, a region, a window or the area round the cursor as a video
// source. The values reach the filter once it is created; counts as created only with its
// settings interface.
#include "CDirectShowFilter.h"

class CFilterPin;
struct IScreenCaptureSettings;
// What is captured (the screen, a region, a window, round the cursor), as the system names it.
enum EScreenCapture : int;

class CScreenCaptureFilter : public CDirectShowFilter {
public:
    explicit CScreenCaptureFilter(CDirectShowGraph* graph = nullptr, const char* name = "Screen Capture");
    CScreenCaptureFilter(const CScreenCaptureFilter&) = delete;
    CScreenCaptureFilter& operator=(const CScreenCaptureFilter&) = delete;
    ~CScreenCaptureFilter() override;

    bool Create() override;
    void Release() override;
    CFilterPin* GetCapturePin() const { return m_capturePin; }

    void SetCapture(EScreenCapture capture) { m_capture = capture; }
    void SetX(unsigned short x) { m_x = x; }
    void SetY(unsigned short y) { m_y = y; }
    void SetWidth(unsigned short width) { m_width = width; }
    void SetHeight(unsigned short height) { m_height = height; }
    void SetWindow(HWND window) { m_window = window; }
    void SetCaptureCursor(bool on) { m_cursor = on; }
    void SetBlockSize(unsigned short size) { m_blockSize = size; }
    void SetFrameRate(double rate) { m_frameRate = rate; }

private:
    CFilterPin* m_capturePin;
    IScreenCaptureSettings* m_settings = nullptr;
    EScreenCapture m_capture = EScreenCapture(0);
    unsigned short m_x = 0;
    unsigned short m_y = 0;
    unsigned short m_width = 320;
    unsigned short m_height = 240;
    HWND m_window = nullptr;
    bool m_cursor = true;
    unsigned short m_blockSize = 4;
    double m_frameRate = 25.0;
};
