#include "CEntryCombo.h"

#include "afx/windows/MessageMap.h"

BEGIN_MESSAGE_MAP(CEntryCombo, CComboBox)
    ON_WM_KEYUP()
    ON_CBN_KILLFOCUS_REFLECT(OnKillFocusReflect)
END_MESSAGE_MAP()

void CEntryCombo::OnKeyUp(UINT key, UINT repeat, UINT flags)
{
    CComboBox::OnKeyUp(key, repeat, flags);
    if (key != VK_RETURN) return;
    Broadcast(kEntryFieldCommittedMessage, Identity(), nullptr);
    if (m_hWnd) SetFocus();
}

void CEntryCombo::OnKillFocusReflect() { Broadcast(kEntryFieldCommittedMessage, Identity(), nullptr); }
