#include "CVideoKeyFrameController.h"

#include "CEntryField.h"
#include "CVideoOutput2.h"
#include "TListenedReference.h"
#include "UStringBuffer.h"
#include "UWindowsUtils.h"

#include <cstdio>
#include <cstdlib>

CVideoKeyFrameController::CVideoKeyFrameController()
{
    mExpectedType = FourCharCode("vop2");
}

CVideoKeyFrameController::~CVideoKeyFrameController()
{
    RetargetListenedReference<CEntryField>(*this, m_keyFrame, nullptr);
    RetargetListenedReference<CEntryField>(*this, m_latency, nullptr);
}

CVideoOutput2* CVideoKeyFrameController::GetVideoOutput() const
{
    return static_cast<CVideoOutput2*>(GetObjectA());
}

void CVideoKeyFrameController::SetControls(CEntryField* keyFrame, CEntryField* latency)
{
    RetargetListenedReference(*this, m_keyFrame, keyFrame);
    RetargetListenedReference(*this, m_latency, latency);
}

void CVideoKeyFrameController::ReflectKeyFrame()
{
    if (GetVideoOutput()) UWindowsUtils::SetWindowTextA(m_keyFrame, static_cast<int>(GetVideoOutput()->GetKeyFrame()));
}

void CVideoKeyFrameController::ReflectLatency()
{
    if (GetVideoOutput()) UWindowsUtils::SetWindowTextA(m_latency, static_cast<int>(GetVideoOutput()->GetLatency()));
}

namespace {
int FieldNumber(CEntryField* field)
{
    CString text;
    field->GetWindowText(text);
    return std::atoi(text);
}
} // namespace

void CVideoKeyFrameController::EnterKeyFrame()
{
    if (!GetVideoOutput() || !m_keyFrame) return;
    if (!GetVideoOutput()->SetKeyFrame(static_cast<ULONG>(FieldNumber(m_keyFrame)))) ReflectKeyFrame();
}

void CVideoKeyFrameController::EnterLatency()
{
    if (!GetVideoOutput() || !m_latency) return;
    if (!GetVideoOutput()->SetLatency(static_cast<unsigned short>(FieldNumber(m_latency)))) ReflectLatency();
}

void CVideoKeyFrameController::Refresh()
{
    ReflectKeyFrame();
    ReflectLatency();
}

char* CVideoKeyFrameController::GetText()
{
    CVideoOutput2* video = GetVideoOutput();
    if (!video) return UStringBuffer::Text("");
    char text[80];
    std::snprintf(text, sizeof text, "Key Frame: %d, Latency: %d", static_cast<int>(video->GetKeyFrame()),
                  static_cast<int>(video->GetLatency()));
    return UStringBuffer::Text(text);
}

bool CVideoKeyFrameController::Respond(long code, CBroadcaster* sender, long a, long b)
{
    switch (code) {
    case CVideoOutput2::kKeyFrameChangedNotice: ReflectKeyFrame(); return true;
    case CVideoOutput2::kLatencyChangedNotice: ReflectLatency(); return true;
    default: return CObjectController2::Respond(code, sender, a, b);
    }
}

bool CVideoKeyFrameController::ListenToMessage(long message, const void* p, const void* q)
{
    if (message == kEntryFieldCommittedMessage) {
        if (m_keyFrame && p == m_keyFrame->Identity()) {
            EnterKeyFrame();
            return true;
        }
        if (m_latency && p == m_latency->Identity()) {
            EnterLatency();
            return true;
        }
    }
    if (message == kBroadcasterDyingMessage) {
        ForgetDyingReference(m_keyFrame, p);
        ForgetDyingReference(m_latency, p);
    }
    return CObjectController2::ListenToMessage(message, p, q);
}
