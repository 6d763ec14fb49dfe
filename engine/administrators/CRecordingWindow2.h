#pragma once
// A small window with a recording's state ("Ready", "Recording...", "Paused") and the
// time recorded so far by the wall clock, pauses left out.
#include "CListener.h"
#include "CTimer.h"
#include "afx/windows/CWnd.h"

class CDirectShowAdministrator2;

class CRecordingWindow2 : public CWnd, public CListener {
public:
    CRecordingWindow2();
    ~CRecordingWindow2() override;

    virtual void Refresh();
    virtual CString CalculateStatus();
    virtual CString CalculateTimecode();

    bool ListenToMessage(long message, const void* p, const void* q) override;

    void SetAdministrator(CDirectShowAdministrator2* administrator);
    CDirectShowAdministrator2* GetAdministrator() const { return m_administrator; }
    void Play();
    void Pause();
    void Stop();
    void SetStatus(const char* text);
    void SetTimecode(const char* text);
    void DrawStatusText(CDC* dc);
    void DrawTimecodeText(CDC* dc);
    const CString& GetStatus() const { return m_status; }
    const CString& GetTimecode() const { return m_timecode; }

    int OnCreate(LPCREATESTRUCT create);
    void OnClose();
    BOOL OnEraseBkgnd(CDC* dc);
    void OnPaint();

protected:
    DECLARE_MESSAGE_MAP()

private:
    void ShowState();
    // The area the texts are laid out in: the client area less a pixel all round.
    CRect TextArea();
    // Measures a one-line text in a font; invalidates the old and new rectangles when it
    // moved, else draws it at once.
    void PlaceText(const char* text, CString& stored, CRect& placed, CFont* font, bool centredAtBottom);
    void DrawOneText(CDC* dc, const CString& text, const CRect& rect, CFont* font, UINT format);

    CString m_status;
    CRect m_statusRect;
    CString m_timecode;
    CRect m_timecodeRect;
    CTimer m_timer;
    DWORD m_start = 0;
    DWORD m_pauseTime = 0;
    DWORD m_pausedTotal = 0;
    CDirectShowAdministrator2* m_administrator = nullptr;
};
