#include "CTelloraFrame.h"

#include "UTelloraResources.h"
#include "afx/windows/AfxIds.h"
#include "afx/windows/MessageMap.h"

BEGIN_MESSAGE_MAP(CTelloraFrame, CMorvaneMainFrame)
    ON_WM_CREATE()
    ON_WM_SETFOCUS()
    ON_COMMAND(32780, Upgrade)
END_MESSAGE_MAP()

CTelloraFrame::CTelloraFrame()
{
    UTelloraResources::Register();
}

CTelloraFrame::~CTelloraFrame() = default;

int CTelloraFrame::OnCreate(LPCREATESTRUCT cs)
{
    if (CMorvaneMainFrame::OnCreate(cs) == -1) return -1;
    if (!m_toolBar.Create(this) || !m_toolBar.LoadToolBar(UTelloraResources::kToolBar)) return -1;
    if (!m_panel.CreateInWindow(this)) return -1;
    m_panel.SetDlgCtrlID(AFX_IDW_PANE_FIRST);
    m_panel.ShowWindow(SW_SHOW);
    static const UINT kIndicators[] = {ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};
    if (!m_statusBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, AFX_IDW_STATUS_BAR) ||
        !m_statusBar.SetIndicators(kIndicators, 4))
        return -1;
    return 0;
}

BOOL CTelloraFrame::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!CMorvaneMainFrame::PreCreateWindow(cs)) return FALSE;
    cs.dwExStyle &= ~WS_EX_CLIENTEDGE;
    cs.lpszClass = AfxRegisterWndClass(0);
    return TRUE;
}

void CTelloraFrame::OnSetFocus(CWnd*)
{
    if (m_panel.GetSafeHwnd()) m_panel.SetFocus();
}

BOOL CTelloraFrame::OnCmdMsg(UINT id, int code, void* extra, AFX_CMDHANDLERINFO* info)
{
    if (m_panel.GetSafeHwnd() && m_panel.OnCmdMsg(id, code, extra, info)) return TRUE;
    return CMorvaneMainFrame::OnCmdMsg(id, code, extra, info);
}
