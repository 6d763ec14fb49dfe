#include "CDxLoopTask.h"

#include "CDxLoop2.h"

CDxLoopTask::~CDxLoopTask()
{
    CDxLoopTask::StopSelf();
    delete m_loop;
}

bool CDxLoopTask::StartSelf()
{
    delete m_loop;
    m_loop = CreateLoop();
    if (!m_loop) return false;
    m_loop->AddListener(this);
    m_loop->SetVideoWindow(m_videoWindow);
    if (!m_loop->Start()) return false;
    m_progress.SetAction(m_loop, true);
    m_progress.Start(m_progressTitle);
    return true;
}

void CDxLoopTask::StopSelf()
{
    if (!m_loop) return;
    m_loop->SetVideoWindow(nullptr);
    m_loop->RemoveListener(this);
    m_loop->Reset();
    m_progress.End();
}

bool CDxLoopTask::ListenToMessage(long message, const void* p, const void* q)
{
    switch (message) {
    case kProgressCancelMessage:
        if (m_loop) m_loop->Cancel();
        return true;
    case kProgressSkipMessage:
        if (m_loop) m_loop->Skip();
        return true;
    case CDxLoop2::kLoopDoneMessage:
        Stop(true);
        return true;
    case CDxLoop2::kLoopItemCompleteMessage:
        OnItemEnd();
        return true;
    default:
        return CDxTask::ListenToMessage(message, p, q);
    }
}
