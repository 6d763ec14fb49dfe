#pragma once
// A bitmap centred on the screen for a few seconds at start-up; a click closes it
// early. The object ends with its window.
#include "afx/gdi/CBitmap.h"
#include "afx/windows/CFrameWnd.h"

class CSplashWindow : public CFrameWnd {
    DECLARE_DYNCREATE(CSplashWindow)
public:
    static constexpr UINT_PTR kTimerId = 200;

    // False, and nothing shown, when the bitmap cannot be loaded.
    static bool SplashWindow(unsigned bitmapId, long seconds);
    static bool DefaultSplash();

    // False when the window cannot be created.
    virtual bool Splash(unsigned bitmapId, long seconds);
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

protected:
    int OnCreate(LPCREATESTRUCT cs);
    void OnPaint();
    void OnTimer(UINT_PTR id);
    void OnLButtonUp(UINT flags, CPoint point);
    void Close();

    DECLARE_MESSAGE_MAP()

private:
    CBitmap m_bitmap;
    UINT_PTR m_timer = 0;
};
