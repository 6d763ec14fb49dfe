#include "CDxDirectTask.h"

#include "CDirectShowAdministrator2.h"

CDxDirectTask::~CDxDirectTask()
{
    CDxDirectTask::Stop(false);
}

bool CDxDirectTask::StartSelf()
{
    CDirectShowAdministrator2* administrator = CreateAdministrator();
    if (!administrator) return false;
    if (administrator != m_administrator) {
        delete m_administrator;
        m_administrator = administrator;
    }
    m_administrator->AddListener(this);
    m_administrator->SetVideoWindow(m_videoWindow);
    if (!m_administrator->Create()) return false;
    return m_administrator->Play();
}

void CDxDirectTask::StopSelf()
{
    if (m_administrator) {
        m_administrator->Stop();
        m_administrator->Release();
        m_administrator->SetVideoWindow(nullptr);
        m_administrator->RemoveListener(this);
        delete m_administrator;
        m_administrator = nullptr;
    }
    m_progress.End();
}

bool CDxDirectTask::IsRunning()
{
    return m_administrator && m_administrator->IsPlaying();
}

bool CDxDirectTask::IsPaused()
{
    return m_administrator && m_administrator->IsPaused();
}

// The administrator relays its completion from the message loop, so the task may free
// it here.
bool CDxDirectTask::ListenToMessage(long message, const void* p, const void* q)
{
    if (message == CDirectShowAdministrator2::kGraphCompleteMessage || message == kProgressCancelMessage) {
        if (m_administrator) Stop(true);
        return true;
    }
    return CDxTask::ListenToMessage(message, p, q);
}

bool CDxDirectTask::Snap()
{
    return m_administrator && m_administrator->Snap();
}

bool CDxDirectTask::IsFullScreen()
{
    return m_administrator && m_administrator->IsFullScreen();
}

bool CDxDirectTask::ShowFullScreen(bool on)
{
    return m_administrator && m_administrator->ShowFullScreen(on);
}
