#include "CCaptureAudioMonitor.h"

#include "CFormatType.h"
#include "CLiveRecorder2.h"
#include "CMediaOutput2.h"
#include "TListenedReference.h"
#include "UFormatRows.h"

CCaptureAudioMonitor::CCaptureAudioMonitor(const CCaptureAudioMonitor& other) : CListener()
{
    RetargetListenedReference(*this, m_output, other.m_output);
    RetargetListenedReference(*this, m_recorder, other.m_recorder);
}

CCaptureAudioMonitor& CCaptureAudioMonitor::operator=(const CCaptureAudioMonitor& other)
{
    RetargetListenedReference(*this, m_output, other.m_output);
    RetargetListenedReference(*this, m_recorder, other.m_recorder);
    return *this;
}

CCaptureAudioMonitor::~CCaptureAudioMonitor()
{
    RetargetListenedReference<CMediaOutput2>(*this, m_output, nullptr);
    RetargetListenedReference<CLiveRecorder2>(*this, m_recorder, nullptr);
}

void CCaptureAudioMonitor::SetOutput(CMediaOutput2* output)
{
    RetargetListenedReference(*this, m_output, output);
    UpdateCaptureAudio();
}

void CCaptureAudioMonitor::SetRecorder(CLiveRecorder2* recorder)
{
    RetargetListenedReference(*this, m_recorder, recorder);
    UpdateCaptureAudio();
}

void CCaptureAudioMonitor::UpdateFileType()
{
    if (!m_output || !m_recorder) return;
    CFormatType* row = UFormatRows::Find(m_output->GetSplitterType());
    if (row && !row->MayHaveAudio()) m_recorder->SetCaptureAudio(false);
}

void CCaptureAudioMonitor::UpdateCaptureAudio()
{
    if (!m_output || !m_recorder || !UFormatRows::Find(m_output->GetSplitterType())) return;
    UpdateFileType();
    m_output->SetWantsAudio(m_recorder->GetCaptureAudio());
}

bool CCaptureAudioMonitor::Respond(long code, CBroadcaster* sender, long a, long b)
{
    switch (code) {
    case COutputType2::kSplitterTypeChangedNotice:
        UpdateFileType();
        UpdateCaptureAudio();
        return true;
    case 1:
    case CLiveRecorder2::kCaptureAudioChangedNotice:
        UpdateCaptureAudio();
        return true;
    default:
        return CListener::Respond(code, sender, a, b);
    }
}

bool CCaptureAudioMonitor::ListenToMessage(long message, const void* p, const void* q)
{
    if (message == kBroadcasterDyingMessage) {
        ForgetDyingReference(m_output, p);
        ForgetDyingReference(m_recorder, p);
    }
    return CListener::ListenToMessage(message, p, q);
}
