#include "afx/controls/CComboBox.h"

IMPLEMENT_DYNAMIC(CComboBox, CWnd)

BOOL CComboBox::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CWnd::Create("COMBOBOX", nullptr, style, rect, parent, id);
}

DWORD CComboBox::GetEditSel() const { return static_cast<DWORD>(SendMessage(CB_GETEDITSEL)); }
BOOL CComboBox::SetEditSel(int start, int end) { return static_cast<BOOL>(SendMessage(CB_SETEDITSEL, 0, MAKELPARAM(start, end))); }
BOOL CComboBox::LimitText(int max) { return static_cast<BOOL>(SendMessage(CB_LIMITTEXT, static_cast<WPARAM>(max))); }
BOOL CComboBox::GetDroppedState() const { return static_cast<BOOL>(SendMessage(CB_GETDROPPEDSTATE)); }
void CComboBox::ShowDropDown(BOOL show) { SendMessage(CB_SHOWDROPDOWN, show); }
void CComboBox::Clear() { SendMessage(WM_CLEAR); }
void CComboBox::Copy() { SendMessage(WM_COPY); }
void CComboBox::Cut() { SendMessage(WM_CUT); }
void CComboBox::Paste() { SendMessage(WM_PASTE); }
