#include "CCodecTesterThread.h"

#include "CAudioCompressorTestAdministrator2.h"
#include "CCodecInfo.h"
#include "CVideoCompressorTestAdministrator2.h"
#include "StDirectShow.h"
#include "UStringBuffer.h"
#include "win32/kernel/Threads.h"

unsigned long CCodecTesterThread::sStartDelayMs = 2000;

CCodecTesterThread::CCodecTesterThread(CCompressorTestAdministrator2* administrator) : m_administrator(administrator)
{
    SetAutoDelete(false);
}

CCodecTesterThread::~CCodecTesterThread()
{
    // The job uses the administrator: it ends before the administrator goes.
    CancelAndWait();
}

void CCodecTesterThread::SetPrompt(bool prompt)
{
    m_administrator->SetPrompt(prompt);
}

bool CCodecTesterThread::Stop(DWORD milliseconds)
{
    const bool ended = StopWithin(milliseconds);
    UpdateSelf();
    return ended;
}

bool CCodecTesterThread::PrepareSelf(long)
{
    if (!m_administrator->LoadAndPrompt()) return false;
    m_administrator->DetachCodecs();
    return true;
}

void CCodecTesterThread::ExecuteSelf(long)
{
    for (unsigned long waited = 0; waited < sStartDelayMs && !IsCanceled(); waited += 50) Sleep(50);
    StDirectShow com;
    const int count = m_administrator->GetCodecCount();
    for (int i = 0; i < count && !IsCanceled(); ++i) {
        {
            std::lock_guard<std::mutex> guard(m_lock);
            m_text = m_administrator->GetCodec(i)->GetDisplayName();
        }
        SetProgress(double(i) / count);
        SCodecTestResult result;
        if (!m_administrator->TestCodec(i, result)) continue;
        {
            std::lock_guard<std::mutex> guard(m_lock);
            m_found.push_back(std::move(result));
        }
        Update();
    }
}

// On the user-interface thread: the catalogue's thread writes what was found.
void CCodecTesterThread::UpdateSelf()
{
    std::vector<SCodecTestResult> found;
    {
        std::lock_guard<std::mutex> guard(m_lock);
        found.swap(m_found);
    }
    for (const SCodecTestResult& result : found) result.Apply();
}

void CCodecTesterThread::FinishSelf()
{
    UpdateSelf();
    m_administrator->NotifyCatalogue();
    CWorkerThread::FinishSelf();
}

char* CCodecTesterThread::GetText()
{
    std::lock_guard<std::mutex> guard(m_lock);
    return UStringBuffer::Text(m_text);
}

CAudioTesterThread::CAudioTesterThread() : CCodecTesterThread(new CAudioCompressorTestAdministrator2(true)) {}

CVideoTesterThread::CVideoTesterThread() : CCodecTesterThread(new CVideoCompressorTestAdministrator2(true)) {}
