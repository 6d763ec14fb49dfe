#include "afx/windows/CDataExchange.h"

#include "afx/windows/CWnd.h"

HWND CDataExchange::PrepareCtrl(int id)
{
    HWND item = m_pDlgWnd ? ::GetDlgItem(m_pDlgWnd->m_hWnd, id) : nullptr;
    if (!item) Fail();
    return item;
}

void DDX_Control(CDataExchange* dx, int id, CWnd& control)
{
    if (control.m_hWnd) return;
    HWND item = dx->PrepareCtrl(id);
    if (item && !control.SubclassWindow(item)) dx->Fail();
}

void DDX_Text(CDataExchange* dx, int id, CString& value)
{
    if (!dx->PrepareCtrl(id)) return;
    if (dx->m_bSaveAndValidate) dx->m_pDlgWnd->GetDlgItemText(id, value);
    else dx->m_pDlgWnd->SetDlgItemText(id, value);
}

void DDX_Text(CDataExchange* dx, int id, int& value)
{
    if (!dx->PrepareCtrl(id)) return;
    if (!dx->m_bSaveAndValidate) {
        dx->m_pDlgWnd->SetDlgItemInt(id, static_cast<UINT>(value), TRUE);
        return;
    }
    BOOL ok = FALSE;
    UINT read = dx->m_pDlgWnd->GetDlgItemInt(id, &ok, TRUE);
    if (ok) value = static_cast<int>(read);
    else dx->Fail();
}

void DDX_Check(CDataExchange* dx, int id, int& value)
{
    if (!dx->PrepareCtrl(id)) return;
    if (dx->m_bSaveAndValidate) value = static_cast<int>(dx->m_pDlgWnd->IsDlgButtonChecked(id));
    else dx->m_pDlgWnd->CheckDlgButton(id, static_cast<UINT>(value));
}
