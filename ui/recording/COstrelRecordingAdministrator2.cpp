#include "COstrelRecordingAdministrator2.h"

#include "C3dInfo2.h"
#include "C3dMixBridge.h"
#include "C3dPreviewBridge.h"
#include "CAudioSource2.h"
#include "CDirectShowGraph.h"
#include "CVideoCapture3dInputFilters2.h"
#include "CVideoCaptureBridge.h"
#include "CVideoRecorder3d2.h"
#include "TListenedReference.h"
#include "UAudioSourceSetup.h"
#include "dshow/DShowTypes.h"

COstrelRecordingAdministrator2::~COstrelRecordingAdministrator2()
{
    Set3dInfo(nullptr);
    CDirectShowAdministrator2::Release();
}

bool COstrelRecordingAdministrator2::HasSecondary() const
{
    return m_recorder && !m_recorder->GetSecondaryDevice().IsEmpty();
}

void COstrelRecordingAdministrator2::SetVideoSource(CVideoRecorder3d2* recorder)
{
    if (recorder == m_recorder) return;
    m_recorder = recorder;
    Set3dInfo(recorder ? &recorder->Get3dInfo() : nullptr);
}

void COstrelRecordingAdministrator2::Set3dInfo(C3dInfo2* info)
{
    RetargetListenedReference(*this, m_3dInfo, info);
}

bool COstrelRecordingAdministrator2::ListenToMessage(long message, const void* p, const void* q)
{
    if (message == kBroadcasterDyingMessage && m_3dInfo && static_cast<const CBroadcaster*>(m_3dInfo) == p) {
        // The recorder's own 3D settings go only with the recorder.
        if (m_recorder && &m_recorder->Get3dInfo() == m_3dInfo) m_recorder = nullptr;
        m_3dInfo = nullptr;
    }
    return CPreviewRecordingAdministrator2::ListenToMessage(message, p, q);
}

bool COstrelRecordingAdministrator2::CreateInputFilters()
{
    if (!m_recorder) return false;
    const CString primary = m_recorder->GetPrimaryDevice();
    if (primary.IsEmpty()) return false;
    CVideoCaptureInputFilters2* input = nullptr;
    if (HasSecondary()) {
        auto* both = new CVideoCapture3dInputFilters2(m_graph);
        both->SetVideoDevice2(m_recorder->GetSecondaryDevice());
        input = both;
    } else {
        input = new CVideoCaptureInputFilters2(m_graph);
    }
    input->SetVideoDevice(primary);
    input->SetWidth(m_recorder->GetWidth());
    input->SetHeight(m_recorder->GetHeight());
    input->SetFrameRate(m_recorder->GetFrameRate());
    input->SetWantsAudio(m_recorder->GetCaptureAudio());
    UAudioSourceSetup::Apply(*input, m_recorder->GetAudioSource());
    input->SetWantsTimeStamp(m_recorder->GetTimeStamp());
    SetInputFilters(input);
    return true;
}

bool COstrelRecordingAdministrator2::CreateBridgeFilters()
{
    if (!m_recorder) return false;
    if (!HasSecondary()) {
        SetBridgeFilters(new CVideoCaptureBridge(m_graph));
        return true;
    }
    C3dMixBridge* bridge = GetMediaOutput().GetSplitterType() == kUnmixedRecording ? new C3dPreviewBridge(m_graph)
                                                                                    : new C3dMixBridge(m_graph);
    SetBridgeFilters(bridge);
    if (m_3dInfo) {
        bridge->SetAnaglyphColor(m_3dInfo->GetAnaglyphColor());
        bridge->SetAnaglyphFilter(m_3dInfo->GetAnaglyphFilter());
    }
    return true;
}

bool COstrelRecordingAdministrator2::Stop()
{
    // Paused first to let the mix settle; not while recording, since a recording stopped from
    // pause would never get its end written.
    if (IsPlaying() && !IsRecording() && Pause()) m_graph->WaitForState(State_Paused, kPauseSettleMs);
    return CPreviewRecordingAdministrator2::Stop();
}

void COstrelRecordingAdministrator2::SetVolume(bool autoVolume, unsigned char volume)
{
    auto* input = dynamic_cast<CAudioCaptureInputFilters2*>(m_input);
    if (!input) return;
    // The recorder's source is the one record of the level; the next graph reads it from there.
    if (m_recorder) UAudioSourceSetup::ApplyVolume(*input, m_recorder->GetAudioSource());
    else UAudioSourceSetup::ApplyVolume(*input, autoVolume, volume);
}

bool COstrelRecordingAdministrator2::ShowSettings()
{
    auto* input = dynamic_cast<CVideoCaptureInputFilters2*>(m_input);
    return input && input->ShowSettings();
}

bool COstrelRecordingAdministrator2::ShowSettings2()
{
    if (auto* both = dynamic_cast<CVideoCapture3dInputFilters2*>(m_input); both && HasSecondary())
        return both->ShowSettings2();
    return ShowSettings();
}

void COstrelRecordingAdministrator2::RefreshTimeStamp()
{
    auto* input = dynamic_cast<CVideoCaptureInputFilters2*>(m_input);
    if (input && m_recorder) input->SetWantsTimeStamp(m_recorder->GetTimeStamp());
}

bool COstrelRecordingAdministrator2::Respond(long code, CBroadcaster* sender, long a, long b)
{
    const bool anaglyph =
        code == C3dInfo2::kAnaglyphColorChangedNotice || code == C3dInfo2::kAnaglyphFilterChangedNotice;
    if (!anaglyph || sender != m_3dInfo) return CPreviewRecordingAdministrator2::Respond(code, sender, a, b);
    auto* bridge = dynamic_cast<C3dMixBridge*>(m_bridge);
    if (bridge && HasSecondary()) {
        if (code == C3dInfo2::kAnaglyphColorChangedNotice)
            bridge->SetAnaglyphColor(m_3dInfo->GetAnaglyphColor());
        else
            bridge->SetAnaglyphFilter(m_3dInfo->GetAnaglyphFilter());
    }
    return true;
}
