#include "CIconButtonFlasher.h"

#include "afx/controls/CButton.h"
#include "afx/windows/CWinApp.h"
#include "win32/gdi/Icon.h"

CIconButtonFlasher::CIconButtonFlasher() { m_timer.AddListener(this); }

CIconButtonFlasher::~CIconButtonFlasher()
{
    m_timer.Deactivate();
    m_timer.RemoveListener(this);
}

void CIconButtonFlasher::SetIcons(UINT normalId, UINT flashId)
{
    HINSTANCE module = AfxGetResourceHandle();
    m_normal = LoadIconA(module, MAKEINTRESOURCEA(normalId));
    m_flash = LoadIconA(module, MAKEINTRESOURCEA(flashId));
    SetCurrent(m_normal);
}

void CIconButtonFlasher::SetButton(CButton* button)
{
    m_button = button;
    if (m_normal) SetCurrent(m_normal);
}

void CIconButtonFlasher::Activate(bool on)
{
    if (on) {
        m_timer.Activate(kPeriodMs);
        return;
    }
    m_timer.Deactivate();
    SetCurrent(m_normal);
}

void CIconButtonFlasher::SetCurrent(HICON icon)
{
    if (m_button && m_button->GetSafeHwnd()) m_button->SendMessage(BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon));
    m_current = icon;
}

void CIconButtonFlasher::Flash() { SetCurrent(m_current == m_normal ? m_flash : m_normal); }

bool CIconButtonFlasher::ListenToMessage(long message, const void* p, const void* q)
{
    if (message != kTimerTickMessage) return CListener::ListenToMessage(message, p, q);
    Flash();
    return true;
}
