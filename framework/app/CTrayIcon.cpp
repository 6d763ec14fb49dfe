#include "CTrayIcon.h"

#include "afx/windows/CWnd.h"
#include "win32/windowing/Shell.h"

#include <algorithm>
#include <cstring>

namespace {
NOTIFYICONDATAA Record(CWnd* owner, const CTrayIcon& tray, HICON icon)
{
    NOTIFYICONDATAA data{};
    data.cbSize = 488;
    data.hWnd = owner ? owner->m_hWnd : nullptr;
    data.uID = CTrayIcon::kIconId;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = CTrayIcon::kCallbackMessage;
    data.hIcon = icon;
    const char* tip = tray.m_tip;
    size_t length = std::min(std::strlen(tip), CTrayIcon::kMaxTip);
    std::memcpy(data.szTip, tip, length);
    data.szTip[length] = '\0';
    return data;
}
} // namespace

void CTrayIcon::Set(CWnd* owner)
{
    if (!owner || !owner->m_hWnd) return;
    NOTIFYICONDATAA data = Record(owner, *this, m_rotator.GetIcon());
    if (!m_shown) m_shown = Shell_NotifyIconA(NIM_ADD, &data) != FALSE;
    else Shell_NotifyIconA(NIM_MODIFY, &data);
}

void CTrayIcon::Reset(CWnd* owner)
{
    NOTIFYICONDATAA data = Record(owner, *this, m_rotator.GetIcon());
    Shell_NotifyIconA(NIM_DELETE, &data);
    m_shown = false;
}

void CTrayIcon::OnCallback(CWnd* owner, WPARAM id, LPARAM mouseMessage)
{
    if (!owner || id != kIconId) return;
    if (mouseMessage == WM_LBUTTONDBLCLK) {
        owner->ShowWindow(SW_SHOWNORMAL);
        owner->SetForegroundWindow();
        owner->SetFocus();
    } else if (mouseMessage == WM_RBUTTONUP) {
        m_menu.PopupRight(owner);
    }
}
