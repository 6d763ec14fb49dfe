#include "afx/windows/CControlBar.h"

#include "afx/windows/CDockContext.h"
#include "afx/windows/CFrameWnd.h"
#include "win32/windowing/WindowObserver.h"

IMPLEMENT_DYNAMIC(CControlBar, CWnd)

BEGIN_MESSAGE_MAP(CControlBar, CWnd)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

BOOL CControlBar::CreateBar(LPCTSTR windowName, DWORD style, CWnd* parent, UINT id)
{
    if (!parent) return FALSE;
    m_barStyle = style & (CBRS_ALIGN_ANY | CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_GRIPPER | CBRS_SIZE_DYNAMIC);
    DWORD windowStyle = (style & ~(CBRS_ALIGN_ANY | CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_GRIPPER | CBRS_SIZE_DYNAMIC)) | WS_CHILD;
    if (!CreateEx(0, AfxRegisterWndClass(0), windowName, windowStyle, CRect(0, 0, 0, GetBarHeight()), parent, id))
        return FALSE;
    if (auto* frame = dynamic_cast<CFrameWnd*>(parent)) frame->RecalcLayout();
    return TRUE;
}

LRESULT CControlBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM)
{
    if (!IsWindowVisible()) return 0;
    CWnd* owner = GetParent();
    auto* frame = dynamic_cast<CFrameWnd*>(owner);
    if (!frame && owner) frame = dynamic_cast<CFrameWnd*>(owner->GetTopLevelParent());
    if (frame) OnUpdateCmdUI(frame, static_cast<BOOL>(wParam));
    return 0;
}

void CControlBar::Changed()
{
    MvNotifyWindowObservers(m_hWnd, MvWindowEvent::ControlState);
}

CControlBar::~CControlBar()
{
    delete m_pDockContext;
}

CSize CControlBar::CalcFixedLayout(BOOL, BOOL horz)
{
    return horz ? CSize(32767, GetBarHeight()) : CSize(GetBarHeight(), 32767);
}

CSize CControlBar::CalcDynamicLayout(int, DWORD mode)
{
    return CalcFixedLayout((mode & LM_STRETCH) != 0, (mode & LM_HORZ) != 0);
}

void CControlBar::EnableDocking(DWORD style)
{
    m_dwDockStyle = style & CBRS_ALIGN_ANY;
    if (m_dwDockStyle && !m_pDockContext) m_pDockContext = new CDockContext(this);
}
