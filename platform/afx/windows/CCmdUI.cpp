#include "afx/windows/CCmdUI.h"

#include "afx/windows/CCmdTarget.h"
#include "afx/windows/CMenu.h"
#include "afx/windows/CWnd.h"

#include <cstring>

void CCmdUI::Enable(BOOL on)
{
    if (m_pMenu) {
        m_pMenu->EnableMenuItem(m_nIndex, MF_BYPOSITION | (on ? MF_ENABLED : MF_GRAYED));
    } else if (m_pOther) {
        // A control losing its enabled state must not keep the focus.
        if (!on && ::GetFocus() == m_pOther->m_hWnd) ::SetFocus(::GetParent(m_pOther->m_hWnd));
        m_pOther->EnableWindow(on);
    }
    m_bEnableChanged = TRUE;
}

void CCmdUI::SetCheck(int check)
{
    if (m_pMenu) m_pMenu->CheckMenuItem(m_nIndex, MF_BYPOSITION | (check ? MF_CHECKED : MF_UNCHECKED));
    else if (m_pOther) m_pOther->SendMessage(0x00F1 /* BM_SETCHECK */, static_cast<WPARAM>(check), 0);
}

void CCmdUI::SetRadio(BOOL on)
{
    SetCheck(on ? 1 : 0);
}

void CCmdUI::SetText(LPCTSTR text)
{
    if (m_pMenu) m_pMenu->SetItemText(m_nIndex, text, MF_BYPOSITION);
    else if (m_pOther) m_pOther->SetWindowText(text);
}

BOOL CCmdUI::DoUpdate(CCmdTarget* target, BOOL disableIfNoHandler)
{
    if (!target || m_nID == 0) return TRUE;
    m_bEnableChanged = FALSE;
    m_bContinueRouting = FALSE;
    BOOL handled = target->OnCmdMsg(m_nID, CN_UPDATE_COMMAND_UI, this, nullptr);
    if (!handled && disableIfNoHandler && !m_bEnableChanged) {
        AFX_CMDHANDLERINFO info{nullptr, nullptr};
        if (!target->OnCmdMsg(m_nID, CN_COMMAND, this, &info)) Enable(FALSE);
        handled = TRUE;
    }
    return handled;
}

void CTestCmdUI::SetText(LPCTSTR text)
{
    m_hasText = true;
    std::strncpy(m_text, text ? text : "", sizeof m_text - 1);
}

bool mvafx::UpdateContinues(void* cmdUI)
{
    return cmdUI && static_cast<CCmdUI*>(cmdUI)->m_bContinueRouting;
}
