#include "CEntryField.h"

#include "afx/windows/MessageMap.h"

BEGIN_MESSAGE_MAP(CEntryField, CEdit)
    ON_WM_KILLFOCUS()
    ON_WM_KEYUP()
END_MESSAGE_MAP()

void MvBorderToClientEdge(CREATESTRUCT& cs)
{
    if (!(cs.style & WS_BORDER)) return;
    cs.style &= ~DWORD(WS_BORDER);
    cs.dwExStyle |= WS_EX_CLIENTEDGE;
}

BOOL CEntryField::PreCreateWindow(CREATESTRUCT& cs)
{
    MvBorderToClientEdge(cs);
    return CEdit::PreCreateWindow(cs);
}

void CEntryField::OnKillFocus(CWnd* next)
{
    CEdit::OnKillFocus(next);
    Broadcast(kEntryFieldCommittedMessage, Identity(), nullptr);
}

void CEntryField::OnKeyUp(UINT key, UINT repeat, UINT flags)
{
    if (key != VK_RETURN) {
        CEdit::OnKeyUp(key, repeat, flags);
        return;
    }
    Broadcast(kEntryFieldCommittedMessage, Identity(), nullptr);
    if (!m_hWnd) return;
    SetFocus();
    SetSel(0, -1);
}
