#pragma once
// A static text in colours of its own, whose text and background can blink; each visible
// blink phase can be reported to a window.
#include "afx/gdi/CBrush.h"
#include "afx/controls/CStatic.h"

class CColorStatic : public CStatic {
public:
    CColorStatic();
    CColorStatic(const CColorStatic&) = delete;
    CColorStatic& operator=(const CColorStatic&) = delete;

    // -1: the system default (button text, respectively button face).
    void SetTextColor(COLORREF colour);
    COLORREF GetTextColor() const { return m_textColour; }
    void SetBkColor(COLORREF colour);
    COLORREF GetBkColor() const { return m_bkColour; }
    void SetBlinkTextColors(COLORREF first, COLORREF second);
    void SetBlinkBkColors(COLORREF first, COLORREF second);
    // mode 1 blinks, 0 stops; speed 0, 1, 2 are 2000, 1000, 500 ms, any other value the period
    // in ms. The two blinks share one timer: starting or stopping either restarts or stops it.
    void StartTextBlink(int mode, UINT speed);
    void StartBkBlink(int mode, UINT speed);
    void EnableNotify(CWnd* window, UINT message = WM_USER);
    static int GetVersionI() { return 10; }
    static const char* GetVersionC() { return "1.0"; }

    static constexpr UINT_PTR kBlinkTimerId = 1;

protected:
    HBRUSH CtlColor(CDC* dc, UINT kind);
    void OnTimer(UINT_PTR id);
    void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    void StartBlink(int& mode, int& phase, int newMode, UINT speed);
    void Repaint();

    UINT_PTR m_timer = 0;
    COLORREF m_textColour;
    COLORREF m_blinkText[2];
    int m_textBlink = 0;
    int m_textPhase = 0;
    COLORREF m_bkColour;
    COLORREF m_blinkBk[2];
    int m_bkBlink = 0;
    int m_bkPhase = 0;
    CBrush m_bkBrush;
    CBrush m_blinkBrush[2];
    CWnd* m_notify = nullptr;
    UINT m_notifyMessage = WM_USER;
};
