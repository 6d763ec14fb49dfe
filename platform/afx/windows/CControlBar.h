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

// The places a bar docks in, and what CalcDynamicLayout is asked for.
#define AFX_IDW_DOCKBAR_TOP 0xE81B
#define AFX_IDW_DOCKBAR_LEFT 0xE81C
#define AFX_IDW_DOCKBAR_RIGHT 0xE81D
#define AFX_IDW_DOCKBAR_BOTTOM 0xE81E
#define AFX_IDW_DOCKBAR_FLOAT 0xE81F
#define LM_STRETCH 0x01
#define LM_HORZ 0x02
#define LM_MRUWIDTH 0x04
#define LM_HORZDOCK 0x08
#define LM_VERTDOCK 0x10
#define LM_LENGTHY 0x20
#define LM_COMMIT 0x40

class CDockContext;

class CControlBar : public CWnd {
    DECLARE_DYNAMIC(CControlBar)
public:
    DWORD GetBarStyle() const { return m_barStyle; }
    void SetBarStyle(DWORD style) { m_barStyle = style; }
    virtual int GetBarHeight() const = 0;
    // Asks target's update handlers for the state of every item.
    virtual void OnUpdateCmdUI(CFrameWnd* target, BOOL disableIfNoHandler) = 0;
    // The size the bar takes docked across (horz) or down; stretched, it spans the frame.
    virtual CSize CalcFixedLayout(BOOL stretch, BOOL horz);
    // The size for a length and LM_ mode; by default the fixed one.
    virtual CSize CalcDynamicLayout(int length, DWORD mode);
    // The sides (CBRS_ALIGN_*) the bar may dock to; gives it its docking context.
    void EnableDocking(DWORD style);
    BOOL IsFloating() const { return m_nDockBarID == AFX_IDW_DOCKBAR_FLOAT; }
    ~CControlBar() override;

    CFrameWnd* m_pDockSite = nullptr;       // the frame that docks it
    CDockContext* m_pDockContext = nullptr; // owned; made by EnableDocking
    DWORD m_dwDockStyle = 0;
    UINT m_nDockBarID = 0;                  // where it is docked (AFX_IDW_DOCKBAR_*), 0 before docking

protected:
    BOOL CreateBar(LPCTSTR windowName, DWORD style, CWnd* parent, UINT id);
    LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    void Changed();   // tells observers the bar's model changed

    DWORD m_barStyle = 0;

    DECLARE_MESSAGE_MAP()
};
