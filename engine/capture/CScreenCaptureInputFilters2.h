#pragma once
// The source side of a screen recording: the screen as one processing video pin and, when
// asked for, a sound card's audio.
#include "CAudioCaptureInputFilters2.h"
#include "win32/WinTypes.h"

class CScreenCaptureFilter;
enum EScreenCapture : int;

class CScreenCaptureInputFilters2 : public CAudioCaptureInputFilters2 {
public:
    explicit CScreenCaptureInputFilters2(CDirectShowGraph* graph = nullptr);
    ~CScreenCaptureInputFilters2() override;

    bool CreateSelf() override;
    void Release() override;
    bool Connect() override;
    void Disconnect() override;
    int GetVideoPinCount(EOutputType type) override;
    CFilterPin* GetVideoPin(EOutputType type, int index) override;
    int GetAudioPinCount(EOutputType type) override;
    CFilterPin* GetAudioPin(EOutputType type, int index) override;

    void SetCapture(EScreenCapture capture);
    void SetX(unsigned short x);
    void SetY(unsigned short y);
    void SetWidth(unsigned short width);
    void SetHeight(unsigned short height);
    void SetWindow(HWND window);
    void SetCaptureCursor(bool on);
    void SetBlockSize(unsigned short size);
    void SetFrameRate(double rate);
    void SetWantsAudio(bool on) { m_wantsAudio = on; }
    CScreenCaptureFilter* GetScreenCapture() const { return m_screen; }

    static const char* const kScreenError;
    static const char* const kAudioError;

private:
    CScreenCaptureFilter* m_screen;
    bool m_wantsAudio = false;
};
