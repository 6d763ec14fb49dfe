#include "CDxLoop2.h"

#include "CDirectShowAdministrator2.h"
#include "StWaitCursor.h"

CDxLoop2::~CDxLoop2()
{
    CDxLoop2::Reset();
}

void CDxLoop2::Reset()
{
    delete m_administrator;
    m_administrator = nullptr;
}

bool CDxLoop2::Start()
{
    if (m_administrator && m_administrator->IsPaused()) return m_administrator->Play();
    StWaitCursor wait;
    if (!m_administrator) {
        m_administrator = CreateAdministrator();
        if (!m_administrator) return false;
        m_administrator->AddListener(this);
    }
    m_administrator->SetVideoWindow(m_videoWindow);
    return ProcessNext(false);
}

bool CDxLoop2::ProcessNext(bool)
{
    for (;;) {
        if (!NextItem()) {
            FinishLoop();
            Broadcast(kLoopDoneMessage, this, nullptr);
            return false;
        }
        if (ProcessItem()) {
            Broadcast(kLoopItemStartedMessage, this, nullptr);
            return true;
        }
        FailItem();
    }
}

// An item whose run ended in an error is a failed item, not a completed one.
void CDxLoop2::OnComplete()
{
    if (!m_administrator) return;
    const bool failed = !m_administrator->GetErrorText().IsEmpty();
    m_administrator->Stop();
    m_administrator->Release();
    if (failed)
        FailItem();
    else
        Broadcast(kLoopItemCompleteMessage, this, nullptr);
    ProcessNext(false);
}

void CDxLoop2::Skip()
{
    if (!m_administrator) return;
    m_administrator->Stop();
    m_administrator->Release();
    ProcessNext(true);
}

void CDxLoop2::Pause()
{
    if (!m_administrator) return;
    if (m_administrator->IsPaused())
        m_administrator->Play();
    else
        m_administrator->Pause();
}

void CDxLoop2::Cancel()
{
    if (!m_administrator) return;
    m_administrator->Stop();
    m_administrator->Release();
    delete m_administrator;
    m_administrator = nullptr;
    Broadcast(kLoopDoneMessage, this, nullptr);
}

bool CDxLoop2::ListenToMessage(long message, const void* p, const void* q)
{
    if (message == CDirectShowAdministrator2::kGraphCompleteMessage && p == m_administrator) {
        OnComplete();
        return true;
    }
    return CListener::ListenToMessage(message, p, q);
}

void CDxLoop2::SetVideoWindow(CDirectShowWindow* window)
{
    m_videoWindow = window;
    if (m_administrator) m_administrator->SetVideoWindow(window);
}
