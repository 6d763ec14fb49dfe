#include "CMorvaneMainFrame.h"

#include "afx/windows/MessageMap.h"

IMPLEMENT_DYNCREATE(CMorvaneMainFrame, CApplicationFrame)

BEGIN_MESSAGE_MAP(CMorvaneMainFrame, CApplicationFrame)
    ON_WM_CLOSE()
    ON_WM_DESTROY()
    ON_MESSAGE(kUpdaterInstallWindowMessage, OnUpdaterInstall)
END_MESSAGE_MAP()

CMorvaneMainFrame::CMorvaneMainFrame() { m_updater.AddListener(this); }

CMorvaneMainFrame::~CMorvaneMainFrame() { m_updater.RemoveListener(this); }

void CMorvaneMainFrame::Upgrade() { m_updater.Update(); }

bool CMorvaneMainFrame::ListenToMessage(long code, const void* a, const void* b)
{
    if (code == kUpdaterInstallMessage) {
        // Closed from the message loop, so that the updater's broadcast returns first.
        m_updater.Cancel();
        PostMessage(kUpdaterInstallWindowMessage);
        return true;
    }
    return CApplicationFrame::ListenToMessage(code, a, b);
}

void CMorvaneMainFrame::OnClose()
{
    m_updater.Cancel();
    CApplicationFrame::OnClose();
}

void CMorvaneMainFrame::OnDestroy()
{
    m_updater.Cancel();
    CApplicationFrame::OnDestroy();
}

LRESULT CMorvaneMainFrame::OnUpdaterInstall(WPARAM, LPARAM)
{
    DestroyWindow();
    return 0;
}
