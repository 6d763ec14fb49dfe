#include "CDxTask.h"

#include "CDirectShowAdministrator2.h"
#include "StWaitCursor.h"
#include "afx/windows/CWinApp.h"

CDxTask::CDxTask() : m_progress(500)
{
    m_progress.AddListener(this);
}

// Deriving tasks stop in their own destructors, while their parts still exist.
CDxTask::~CDxTask()
{
    m_running = false;
}

void CDxTask::SetVideoWindow(CDirectShowAdministrator2* preview, CDirectShowWindow* window)
{
    m_preview = preview;
    m_videoWindow = window;
}

bool CDxTask::Start()
{
    StWaitCursor wait;
    if (m_preview) {
        m_preview->Stop();
        m_preview->Release();
        m_preview->SetVideoWindow(nullptr);
    }
    // A task that may not start gives the preview it took back, as a failed start does.
    if (!PrepareToStart()) {
        Stop(true);
        return false;
    }
    if (StartSelf()) {
        m_running = true;
        return true;
    }
    Stop(true);
    return false;
}

bool CDxTask::PrepareToStart()
{
    const CString error = GetError();
    if (error.IsEmpty()) return true;
    AfxMessageBox(error);
    return false;
}

void CDxTask::Stop(bool restorePreview)
{
    m_running = false;
    StopSelf();
    if (m_preview && restorePreview) {
        StWaitCursor wait;
        m_preview->SetVideoWindow(m_videoWindow);
        if (m_preview->Create()) m_preview->Pause();
    }
}

bool CDxTask::ListenToMessage(long message, const void* p, const void* q)
{
    if (message == CDirectShowAdministrator2::kGraphStateMessage) {
        Broadcast(message, p, q);
        return true;
    }
    return CListener::ListenToMessage(message, p, q);
}
