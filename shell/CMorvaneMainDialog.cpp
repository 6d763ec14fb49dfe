#include "CMorvaneMainDialog.h"

#include "afx/windows/MessageMap.h"

BEGIN_MESSAGE_MAP(CMorvaneMainDialog, CApplicationDialog)
    ON_WM_CLOSE()
    ON_WM_DESTROY()
    ON_MESSAGE(kUpdaterInstallWindowMessage, OnUpdaterInstall)
END_MESSAGE_MAP()

CMorvaneMainDialog::CMorvaneMainDialog(unsigned templateId, CWnd* parent) : CApplicationDialog(templateId, parent)
{
    m_updater.AddListener(this);
}

CMorvaneMainDialog::~CMorvaneMainDialog() { m_updater.RemoveListener(this); }

void CMorvaneMainDialog::Upgrade() { m_updater.Update(); }

bool CMorvaneMainDialog::ListenToMessage(long code, const void* a, const void* b)
{
    if (code == kUpdaterInstallMessage) {
        // Ended from the message loop, so that the updater's broadcast returns first.
        m_updater.Cancel();
        PostMessage(kUpdaterInstallWindowMessage);
        return true;
    }
    return CApplicationDialog::ListenToMessage(code, a, b);
}

void CMorvaneMainDialog::OnClose()
{
    m_updater.Cancel();
    CApplicationDialog::OnClose();
}

void CMorvaneMainDialog::OnDestroy()
{
    m_updater.Cancel();
    CApplicationDialog::OnDestroy();
}

LRESULT CMorvaneMainDialog::OnUpdaterInstall(WPARAM, LPARAM)
{
    EndDialog(IDOK);
    return 0;
}
