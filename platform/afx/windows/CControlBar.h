#pragma once
// The base of tool bars and status bars: a child of a frame that keeps to one edge
// and refreshes its items from the frame's update handlers when the application idles.
#include "afx/windows/AfxIds.h"
#include "afx/windows/CCmdUI.h"
#include "afx/windows/CWnd.h"

class CFrameWnd;

#define CBRS_ALIGN_LEFT 0x1000L
#define CBRS_ALIGN_TOP 0x2000L
#define CBRS_ALIGN_RIGHT 0x4000L
#define CBRS_ALIGN_BOTTOM 0x8000L
#define CBRS_ALIGN_ANY 0xF000L
#define CBRS_TOP CBRS_ALIGN_TOP
#define CBRS_BOTTOM CBRS_ALIGN_BOTTOM
#define CBRS_TOOLTIPS 0x0010L
#define CBRS_FLYBY 0x0020L
#define CBRS_GRIPPER 0x00400000L
#define CBRS_SIZE_DYNAMIC 0x0040L

class CControlBar : public CWnd {
    DECLARE_DYNAMIC(CControlBar)
public:
    DWORD GetBarStyle() const { return m_barStyle; }
    void SetBarStyle(DWORD style) { m_barStyle = style; }
    virtual int GetBarHeight() const = 0;
    // Asks target's update handlers for the state of every item.
    virtual void OnUpdateCmdUI(CFrameWnd* target, BOOL disableIfNoHandler) = 0;
    void EnableDocking(DWORD) {}

protected:
    BOOL CreateBar(LPCTSTR windowName, DWORD style, CWnd* parent, UINT id);
    LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    void Changed();   // tells observers the bar's model changed

    DWORD m_barStyle = 0;

    DECLARE_MESSAGE_MAP()
};
