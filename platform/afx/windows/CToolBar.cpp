#include "afx/windows/CToolBar.h"

#include "afx/windows/CFrameWnd.h"
#include "win32/dialogs/Resources.h"
#include "win32/gdi/Gdi.h"
#include "win32/gdi/Icon.h"

IMPLEMENT_DYNAMIC(CToolBar, CControlBar)

namespace {
class CToolCmdUI : public CCmdUI {
public:
    CToolBar* bar = nullptr;
    void Enable(BOOL on) override
    {
        m_bEnableChanged = TRUE;
        UINT style = bar->GetButtonStyle(static_cast<int>(m_nIndex));
        bar->SetButtonStyle(static_cast<int>(m_nIndex), on ? (style & ~TBBS_DISABLED) : (style | TBBS_DISABLED));
    }
    void SetCheck(int check) override
    {
        UINT style = bar->GetButtonStyle(static_cast<int>(m_nIndex)) & ~(TBBS_CHECKED | TBBS_INDETERMINATE);
        if (check == 1) style |= TBBS_CHECKED;
        else if (check == 2) style |= TBBS_INDETERMINATE;
        bar->SetButtonStyle(static_cast<int>(m_nIndex), style | TBBS_CHECKBOX);
    }
    void SetText(LPCTSTR) override {}
};
} // namespace

BOOL CToolBar::Create(CWnd* parent, DWORD style, UINT id)
{
    return CreateBar("Toolbar", style, parent, id);
}

BOOL CToolBar::CreateEx(CWnd* parent, DWORD, DWORD style, CRect, UINT id)
{
    return CreateBar("Toolbar", style, parent, id);
}

CToolBar::~CToolBar()
{
    if (m_bitmap) DeleteObject(m_bitmap);
}

BOOL CToolBar::LoadToolBar(UINT resourceId)
{
    const std::vector<UINT>* ids = MvFindToolBar(resourceId);
    if (!ids) return FALSE;
    LoadBitmap(resourceId);   // a bar without pictures shows its buttons' names
    return SetButtons(ids->data(), static_cast<int>(ids->size()));
}

BOOL CToolBar::LoadBitmap(UINT resourceId)
{
    HBITMAP bitmap = LoadBitmapA(nullptr, MAKEINTRESOURCEA(resourceId));
    if (!bitmap) return FALSE;
    if (m_bitmap) DeleteObject(m_bitmap);
    m_bitmap = bitmap;
    Changed();
    return TRUE;
}

void CToolBar::SetSizes(SIZE, SIZE image)
{
    if (image.cx <= 0 || image.cy <= 0) return;
    m_imageSize = image;
    Changed();
}

BOOL CToolBar::SetButtons(const UINT* ids, int count)
{
    if (count < 0 || (count > 0 && !ids)) return FALSE;
    m_buttons.clear();
    int image = 0;
    for (int i = 0; i < count; ++i) {
        if (ids[i] == ID_SEPARATOR) m_buttons.push_back(Button{0, TBBS_SEPARATOR, -1, {}});
        else m_buttons.push_back(Button{ids[i], TBBS_BUTTON, image++, {}});
    }
    Changed();
    return TRUE;
}

UINT CToolBar::GetItemID(int index) const
{
    return index >= 0 && index < GetCount() ? m_buttons[index].id : 0;
}

int CToolBar::CommandToIndex(UINT id) const
{
    for (int i = 0; i < GetCount(); ++i)
        if (m_buttons[i].id == id && !(m_buttons[i].style & TBBS_SEPARATOR)) return i;
    return -1;
}

UINT CToolBar::GetButtonStyle(int index) const
{
    return index >= 0 && index < GetCount() ? m_buttons[index].style : 0;
}

void CToolBar::SetButtonStyle(int index, UINT style)
{
    if (index < 0 || index >= GetCount() || m_buttons[index].style == style) return;
    m_buttons[index].style = style;
    Changed();
}

void CToolBar::GetButtonInfo(int index, UINT& id, UINT& style, int& image) const
{
    id = GetItemID(index);
    style = GetButtonStyle(index);
    image = index >= 0 && index < GetCount() ? m_buttons[index].image : -1;
}

void CToolBar::SetButtonInfo(int index, UINT id, UINT style, int image)
{
    if (index < 0 || index >= GetCount()) return;
    m_buttons[index].id = id;
    m_buttons[index].style = style;
    m_buttons[index].image = image;
    Changed();
}

BOOL CToolBar::SetButtonText(int index, LPCTSTR text)
{
    if (index < 0 || index >= GetCount()) return FALSE;
    m_buttons[index].text = text ? text : "";
    Changed();
    return TRUE;
}

CString CToolBar::GetButtonText(int index) const
{
    return index >= 0 && index < GetCount() ? m_buttons[index].text : CString();
}

BOOL CToolBar::PressButton(int index)
{
    if (index < 0 || index >= GetCount()) return FALSE;
    Button b = m_buttons[index];
    if (b.style & (TBBS_SEPARATOR | TBBS_DISABLED | TBBS_HIDDEN)) return FALSE;
    if (b.style & TBBS_CHECKBOX) SetButtonStyle(index, b.style ^ TBBS_CHECKED);
    CWnd* owner = GetParent();
    if (!owner) return FALSE;
    owner->SendMessage(WM_COMMAND, MAKELONG(b.id, 0), reinterpret_cast<LPARAM>(m_hWnd));
    return TRUE;
}

void CToolBar::OnUpdateCmdUI(CFrameWnd* target, BOOL disableIfNoHandler)
{
    CToolCmdUI state;
    state.bar = this;
    state.m_pOther = this;
    state.m_nIndexMax = static_cast<UINT>(GetCount());
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex) {
        if (m_buttons[state.m_nIndex].style & TBBS_SEPARATOR) continue;
        state.m_nID = m_buttons[state.m_nIndex].id;
        state.DoUpdate(target, disableIfNoHandler);
    }
}
