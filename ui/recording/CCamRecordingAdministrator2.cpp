#include "CCamRecordingAdministrator2.h"

#include "CVideoCaptureBridge.h"
#include "CVideoCaptureInputFilters2.h"
#include "UAudioSourceSetup.h"

CCamRecordingAdministrator2::~CCamRecordingAdministrator2()
{
    CDirectShowAdministrator2::Release();
}

void CCamRecordingAdministrator2::SetVideoSource(CVideoRecorder2& recorder)
{
    m_recorder = recorder;
}

bool CCamRecordingAdministrator2::CreateInputFilters()
{
    auto* input = new CVideoCaptureInputFilters2(m_graph);
    input->SetVideoDevice(m_recorder.GetVideoSource().GetName());
    input->SetWidth(m_recorder.GetWidth());
    input->SetHeight(m_recorder.GetHeight());
    input->SetWantsAudio(m_recorder.GetCaptureAudio());
    UAudioSourceSetup::Apply(*input, m_recorder.GetAudioSource());
    input->SetWantsTimeStamp(m_recorder.GetTimeStamp());
    SetInputFilters(input);
    return true;
}

bool CCamRecordingAdministrator2::CreateBridgeFilters()
{
    SetBridgeFilters(new CVideoCaptureBridge(m_graph));
    return true;
}
