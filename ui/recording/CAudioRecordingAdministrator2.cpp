#include "CAudioRecordingAdministrator2.h"

#include "CAudioCaptureInputFilters2.h"
#include "CAudioDevicesInfo.h"
#include "CAudioIndicatorBridge.h"
#include "CDvAudioCaptureInputFilters2.h"
#include "CRenderOutputFilters2.h"
#include "UAudioSourceSetup.h"

CAudioRecordingAdministrator2::~CAudioRecordingAdministrator2()
{
    CDirectShowAdministrator2::Release();
}

void CAudioRecordingAdministrator2::SetAudioSource(CAudioSource2& source)
{
    m_audioSource = source;
}

bool CAudioRecordingAdministrator2::IsSoundCard() const
{
    return CAudioDevicesInfo::sInfo && CAudioDevicesInfo::sInfo->Find(m_audioSource.GetName());
}

void CAudioRecordingAdministrator2::SetVolume(bool autoVolume, unsigned char volume)
{
    m_audioSource.SetAutoVolume(autoVolume);
    m_audioSource.SetVolume(volume);
    if (auto* input = dynamic_cast<CAudioCaptureInputFilters2*>(m_input)) UAudioSourceSetup::ApplyVolume(*input, m_audioSource);
}

bool CAudioRecordingAdministrator2::CreateInputFilters()
{
    if (IsSoundCard()) {
        auto* input = new CAudioCaptureInputFilters2(m_graph);
        UAudioSourceSetup::Apply(*input, m_audioSource);
        const CAudioInfo2& info = GetMediaOutput().GetAudioOutput(0)->GetAudioInfo();
        input->SetSampleRate(info.GetSampleRate());
        input->SetChannelCount(info.GetChannel());
        input->SetBitsPerSample(info.GetBitsPerSample());
        SetInputFilters(input);
    } else {
        auto* input = new CDvAudioCaptureInputFilters2(m_graph);
        input->SetVideoDevice(m_audioSource.GetName());
        SetInputFilters(input);
    }
    return true;
}

bool CAudioRecordingAdministrator2::CreateBridgeFilters()
{
    SetBridgeFilters(new CAudioIndicatorBridge(m_graph));
    return true;
}

bool CAudioRecordingAdministrator2::CreateRenderOutputFilters()
{
    auto* output = new CRenderOutputFilters2(m_graph);
    output->SetWantsSnapshot(false);
    output->SetVideoFreeScale(true);
    SetRenderOutputFilters(output);
    return true;
}

bool CAudioRecordingAdministrator2::Play()
{
    if (!CMediaWriterAdministrator2::Play()) return false;
    if (!IsSoundCard()) {
        if (auto* input = dynamic_cast<CDvAudioCaptureInputFilters2*>(m_input)) input->CamcorderPlay();
    }
    return true;
}
