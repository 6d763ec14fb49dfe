#include "CEditPane.h"

#include "UDrawingUtils.h"
#include "afx/windows/CCmdUI.h"
#include "afx/gdi/CPaintDC.h"
#include "afx/windows/MessageMap.h"
#include "win32/controls/CtlMessages.h"
#include "win32/controls/RichEdit.h"

#include <initializer_list>

namespace {
constexpr COLORREF kBackground = RGB(251, 251, 223);
constexpr int kEdit = CEditorParts::kEdit;
constexpr int kFirstBox = CEditorParts::kFirstBox;
} // namespace

BEGIN_MESSAGE_MAP(CEditPane, CPane)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_WM_DESTROY()
    ON_CONTROL_RANGE(CBN_SELCHANGE, CEditPane::kFontCombo, CEditPane::kSizeCombo, OnTool)
    ON_CONTROL_RANGE(BN_CLICKED, kFirstBox, kFirstBox + 5, OnTool)
    ON_UPDATE_COMMAND_UI_RANGE(kFirstBox, kFirstBox + 5, OnUpdateTool)
    ON_NOTIFY(EN_SELCHANGE, kEdit, OnSelChange)
END_MESSAGE_MAP()

int CEditPane::OnCreate(LPCREATESTRUCT cs)
{
    if (CPane::OnCreate(cs) == -1) return -1;
    CStyledEdit& edit = m_edit;
    if (!edit.Create(WS_CHILD | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | ES_NOHIDESEL,
                     CRect(8, 40, 400, 100), this, kEdit))
        return -1;
    edit.SetEventMask(ENM_SELCHANGE | ENM_CHANGE);
    edit.SetBackgroundColor(FALSE, kBackground);
    edit.ShowWindow(SW_SHOW);
    m_font.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(0, 0, 160, 120), this, kFontCombo);
    m_size.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | WS_VSCROLL, CRect(170, 0, 220, 120), this,
                          kSizeCombo);
    m_size.SetFont(UDrawingUtils::GetFont());
    const char* names[6] = {"Bold", "Italic", "Underline", "Align Left", "Align Center", "Align Right"};
    const int xs[6] = {230, 253, 276, 310, 333, 356};
    for (int i = 0; i < 6; ++i)
        m_boxes[i].Create(names[i], WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(xs[i], 0, xs[i] + 23, 22), this,
                                  kFirstBox + i);
    LoadBitmaps();
    edit.SetFocus();
    GetDefault();
    UpdateControls();
    return 0;
}

void CEditPane::OnSize(UINT type, int cx, int cy)
{
    CPane::OnSize(type, cx, cy);
    if (m_edit.m_hWnd) m_edit.MoveWindow(4, 32, cx - 8, cy - 36);
}

void CEditPane::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(&client, kBackground);
    if (!m_edit.m_hWnd) return;
    CRect r;
    m_edit.GetWindowRect(&r);
    ScreenToClient(&r);
    r.InflateRect(2, 2);
    dc.DrawFocusRect(&r);
}

void CEditPane::OnDestroy()
{
    SetDefault();
    // The controls go before the pane, so none outlives the window it reports to.
    for (CWnd* control : std::initializer_list<CWnd*>{&m_edit, &m_font, &m_size})
        if (control->m_hWnd) control->DestroyWindow();
    for (CBitmapCheckBox& box : m_boxes)
        if (box.m_hWnd) box.DestroyWindow();
    CPane::OnDestroy();
}

void CEditPane::OnTool(UINT id)
{
    ApplyTool(static_cast<int>(id));
}

void CEditPane::OnUpdateTool(CCmdUI* ui)
{
    ui->Enable(TRUE);
}

void CEditPane::OnSelChange(NMHDR*, LRESULT* result)
{
    UpdateControls();
    *result = 0;
}
