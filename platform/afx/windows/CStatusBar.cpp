#include "afx/windows/CStatusBar.h"

#include "afx/windows/CFrameWnd.h"
#include "win32/CtlText.h"
#include "win32/dialogs/Resources.h"

#include <algorithm>
#include <cstring>

IMPLEMENT_DYNAMIC(CStatusBar, CControlBar)

BEGIN_MESSAGE_MAP(CStatusBar, CControlBar)
    ON_MESSAGE(WM_SETTEXT, OnSetText)
    ON_MESSAGE(WM_GETTEXT, OnGetText)
    ON_MESSAGE(WM_GETTEXTLENGTH, OnGetTextLength)
END_MESSAGE_MAP()

namespace {
class CStatusCmdUI : public CCmdUI {
public:
    CStatusBar* bar = nullptr;
    void Enable(BOOL on) override
    {
        m_bEnableChanged = TRUE;
        UINT style = bar->GetPaneStyle(static_cast<int>(m_nIndex));
        bar->SetPaneStyle(static_cast<int>(m_nIndex), on ? (style & ~SBPS_DISABLED) : (style | SBPS_DISABLED));
    }
    void SetCheck(int check) override
    {
        UINT style = bar->GetPaneStyle(static_cast<int>(m_nIndex));
        bar->SetPaneStyle(static_cast<int>(m_nIndex), check ? (style | SBPS_POPOUT) : (style & ~SBPS_POPOUT));
    }
    void SetText(LPCTSTR text) override { bar->SetPaneText(static_cast<int>(m_nIndex), text); }
};
} // namespace

BOOL CStatusBar::Create(CWnd* parent, DWORD style, UINT id)
{
    return CreateBar("", style, parent, id);
}

BOOL CStatusBar::SetIndicators(const UINT* ids, int count)
{
    if (count < 0 || (count > 0 && !ids)) return FALSE;
    m_panes.clear();
    for (int i = 0; i < count; ++i) {
        const char* text = ids[i] != ID_SEPARATOR ? MvFindString(ids[i]) : nullptr;
        if (ids[i] != ID_SEPARATOR && !text) {
            // The standard key indicators carry their usual texts.
            text = ids[i] == ID_INDICATOR_CAPS ? "CAP" : ids[i] == ID_INDICATOR_NUM ? "NUM"
                 : ids[i] == ID_INDICATOR_SCRL ? "SCRL" : "";
        }
        UINT style = i == 0 ? (SBPS_NOBORDERS | SBPS_STRETCH) : SBPS_NORMAL;
        int width = text ? static_cast<int>(std::strlen(text)) * 6 + 8 : 0;
        m_panes.push_back(Pane{ids[i], style, width, text ? text : ""});
    }
    Changed();
    return TRUE;
}

UINT CStatusBar::GetItemID(int index) const
{
    return index >= 0 && index < GetCount() ? m_panes[index].id : 0;
}

int CStatusBar::CommandToIndex(UINT id) const
{
    for (int i = 0; i < GetCount(); ++i)
        if (m_panes[i].id == id) return i;
    return -1;
}

BOOL CStatusBar::SetPaneText(int index, LPCTSTR text, BOOL)
{
    if (index < 0 || index >= GetCount()) return FALSE;
    CString value = text ? text : "";
    if (m_panes[index].text == value) return TRUE;
    m_panes[index].text = value;
    Changed();
    return TRUE;
}

CString CStatusBar::GetPaneText(int index) const
{
    return index >= 0 && index < GetCount() ? m_panes[index].text : CString();
}

void CStatusBar::GetPaneInfo(int index, UINT& id, UINT& style, int& width) const
{
    bool ok = index >= 0 && index < GetCount();
    id = ok ? m_panes[index].id : 0;
    style = ok ? m_panes[index].style : 0;
    width = ok ? m_panes[index].width : 0;
}

void CStatusBar::SetPaneInfo(int index, UINT id, UINT style, int width)
{
    if (index < 0 || index >= GetCount()) return;
    m_panes[index].id = id;
    m_panes[index].style = style;
    m_panes[index].width = width;
    Changed();
}

UINT CStatusBar::GetPaneStyle(int index) const
{
    return index >= 0 && index < GetCount() ? m_panes[index].style : 0;
}

void CStatusBar::SetPaneStyle(int index, UINT style)
{
    if (index < 0 || index >= GetCount() || m_panes[index].style == style) return;
    m_panes[index].style = style;
    Changed();
}

void CStatusBar::OnUpdateCmdUI(CFrameWnd* target, BOOL disableIfNoHandler)
{
    CStatusCmdUI state;
    state.bar = this;
    state.m_pOther = this;
    state.m_nIndexMax = static_cast<UINT>(GetCount());
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex) {
        state.m_nID = m_panes[state.m_nIndex].id;
        // Pane 0 shows prompts; indicators without a handler stay as they are.
        if (state.m_nID != ID_SEPARATOR) state.DoUpdate(target, FALSE);
    }
    (void)disableIfNoHandler;
}

// The window text of a status bar is its first pane.
LRESULT CStatusBar::OnSetText(WPARAM, LPARAM lParam)
{
    if (GetCount() == 0) return FALSE;
    SetPaneText(0, reinterpret_cast<LPCTSTR>(lParam));
    return TRUE;
}

LRESULT CStatusBar::OnGetText(WPARAM wParam, LPARAM lParam)
{
    CString text = GetPaneText(0);
    return CtlCopyOut(std::string_view(text.GetString(), static_cast<size_t>(text.GetLength())),
                      reinterpret_cast<char*>(lParam), static_cast<int>(std::min<WPARAM>(wParam, 0x7FFFFFFF)));
}

LRESULT CStatusBar::OnGetTextLength(WPARAM, LPARAM)
{
    return GetPaneText(0).GetLength();
}
