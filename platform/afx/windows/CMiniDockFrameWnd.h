#pragma once
// The small frame a floating control bar lives in: a tool window owned by the bar's frame,
// with the bar filling its client area; closing it hides the bar.
#include "afx/windows/CFrameWnd.h"

// The frame sizes from all four sides (a bar that sizes itself turns this off).
#define MFS_4THICKFRAME 0x00000004L

class CMiniDockFrameWnd : public CFrameWnd {
    DECLARE_DYNCREATE(CMiniDockFrameWnd)
public:
    BOOL Create(CFrameWnd* site, CControlBar* bar);
    CControlBar* GetBar() const { return m_bar; }
    void RecalcLayout(BOOL notify = TRUE) override;

protected:
    void OnClose();
    DECLARE_MESSAGE_MAP()

private:
    CControlBar* m_bar = nullptr;
};
