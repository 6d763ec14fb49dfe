#include "CTaskBarDialog.h"

#include "CIniProfile.h"
#include "CRegistry.h"
#include "UDirectoryUtils.h"
#include "afx/windows/MessageMap.h"

#include <string>

namespace {
CRegistry TraySetting(CIniProfile& profile)
{
    profile.SetIniFile((std::string(UDirectoryUtils::GetUserAppDataDirectory()) + "settings.ini").c_str());
    return CRegistry("Window", "Tray", &profile);
}
} // namespace

BEGIN_MESSAGE_MAP(CTaskBarDialog, CDialog)
    ON_MESSAGE(CTrayIcon::kCallbackMessage, OnSystemTray)
    ON_WM_CLOSE()
    ON_WM_SIZE()
END_MESSAGE_MAP()

CTaskBarDialog::CTaskBarDialog(unsigned templateId, CWnd* parent) : CDialog(templateId, parent)
{
    m_tray.m_rotator.AddListener(this);
}

bool CTaskBarDialog::ListenToMessage(long message, const void* p, const void* q)
{
    if (message == kIconRotatorChangedMessage) SetTrayIcon();
    return CListener::ListenToMessage(message, p, q);
}

bool CTaskBarDialog::GetMinimizeToSystemTray()
{
    CIniProfile profile;
    return TraySetting(profile).GetValue(0) != 0;
}

void CTaskBarDialog::SetMinimizeToSystemTray(bool minimize)
{
    CIniProfile profile;
    UDirectoryUtils::CreateDirectoryIfNotExist(UDirectoryUtils::GetUserAppDataDirectory());
    TraySetting(profile).SetValue(minimize ? 1 : 0);
}

LRESULT CTaskBarDialog::OnSystemTray(WPARAM wParam, LPARAM lParam)
{
    m_tray.OnCallback(this, wParam, lParam);
    return 0;
}

void CTaskBarDialog::OnClose()
{
    ResetTrayIcon();
    CDialog::OnClose();
}

void CTaskBarDialog::OnSize(UINT type, int cx, int cy)
{
    if (type == SIZE_MINIMIZED && HidesWhenMinimized()) ShowWindow(SW_HIDE);
    else CDialog::OnSize(type, cx, cy);
}
