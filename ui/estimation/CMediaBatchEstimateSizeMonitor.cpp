#include "CMediaBatchEstimateSizeMonitor.h"

#include "CMediaFile2.h"
#include "CMediaOutput2.h"
#include "CPersistList.h"
#include "SNotifyRecord.h"
#include "TListenedReference.h"
#include "UEstimateSize.h"

void CMediaBatchEstimateSizeMonitor::SetMediaOutput(CMediaOutput2* output)
{
    if (!RetargetListenedReference(*this, m_mediaOutput, output)) return;
    SetAudioOutput(output ? output->GetAudioOutput(0) : nullptr);
    SetVideoOutput(output ? output->GetVideoOutput(0) : nullptr);
    SetWmOutput(output ? &output->GetWmOutput() : nullptr);
}

void CMediaBatchEstimateSizeMonitor::SetAudioOutput(CAudioOutput2* output)
{
    if (!RetargetListenedReference(*this, m_audioOutput, output)) return;
    SetAudioInfo(output ? &output->GetAudioInfo() : nullptr);
}

void CMediaBatchEstimateSizeMonitor::SetAudioInfo(CAudioInfo2* info)
{
    RetargetListenedReference(*this, m_audioInfo, info);
}

void CMediaBatchEstimateSizeMonitor::SetVideoOutput(CVideoOutput2* output)
{
    if (!RetargetListenedReference(*this, m_videoOutput, output)) return;
    SetVideoInfo(output ? &output->GetVideoInfo() : nullptr);
}

void CMediaBatchEstimateSizeMonitor::SetVideoInfo(CVideoInfo2* info)
{
    RetargetListenedReference(*this, m_videoInfo, info);
}

void CMediaBatchEstimateSizeMonitor::SetWmOutput(CWmOutput2* output)
{
    RetargetListenedReference(*this, m_wmOutput, output);
}

void CMediaBatchEstimateSizeMonitor::SetFileList(CPersistList* files)
{
    RetargetListenedReference(*this, m_files, files);
}

void CMediaBatchEstimateSizeMonitor::Update()
{
    if (!m_files) return;
    ULONG bitrate = UEstimateSize::GetBitrate(nullptr, m_mediaOutput);
    for (int i = 0; i < m_files->GetItemCount(); ++i)
        UpdateFile(dynamic_cast<CMediaFile2*>(m_files->GetAt(i)), bitrate);
}

void CMediaBatchEstimateSizeMonitor::UpdateFile(CMediaFile2* file, ULONG bitrate)
{
    if (!file) return;
    if (bitrate == 0) bitrate = UEstimateSize::GetBitrate(file, m_mediaOutput);
    file->SetEstimatedSize(UEstimateSize::SizeFor(file->GetConversionDuration(), bitrate));
}

bool CMediaBatchEstimateSizeMonitor::ListenToMessage(long message, const void* p, const void* q)
{
    // A record dying under us must not be read or left again.
    if (message == kBroadcasterDyingMessage) {
        ForgetDyingReference(m_mediaOutput, p);
        ForgetDyingReference(m_audioOutput, p);
        ForgetDyingReference(m_audioInfo, p);
        ForgetDyingReference(m_videoOutput, p);
        ForgetDyingReference(m_videoInfo, p);
        ForgetDyingReference(m_wmOutput, p);
        ForgetDyingReference(m_files, p);
    }
    return CListener::ListenToMessage(message, p, q);
}

bool CMediaBatchEstimateSizeMonitor::Respond(long code, CBroadcaster* sender, long a, long b)
{
    switch (code) {
    case CAudioInfo2::kSampleRateChangedNotice:
    case CAudioInfo2::kChannelChangedNotice:
    case CAudioInfo2::kBitsPerSampleChangedNotice:
    case CAudioOutput2::kAutoSettingsChangedNotice:
    case CImageInfo2::kWidthChangedNotice:
    case CImageInfo2::kHeightChangedNotice:
    case CMediaOutput2::kWantsVideoChangedNotice:
    case CMediaOutput2::kWantsAudioChangedNotice:
    case COutputType2::kSplitterTypeChangedNotice:
    case CTrackOutput::kRemuxChangedNotice:
    case CTrackOutput::kDisplayNameChangedNotice:
    case CTrackOutput::kBitrateChangedNotice:
    case CTrackOutput::kQualityChangedNotice:
    // The encoder mode decides whether a video bitrate counts at all.
    case CTrackOutput::kEncoderControlChangedNotice:
    case CVideoInfo2::kFrameRateChangedNotice:
    case CVideoOutput2::kKeepSizeChangedNotice:
    case CVideoOutput2::kKeepFrameRateChangedNotice:
    case CWmOutput2::kProfileChangedNotice:
        Update();
        return true;
    case CPersistList::kListItemAddedNotice:
        if (sender != static_cast<CBroadcaster*>(m_files)) break;
        UpdateFile(dynamic_cast<CMediaFile2*>(reinterpret_cast<CPersistObject*>(a)),
                   UEstimateSize::GetBitrate(nullptr, m_mediaOutput));
        return true;
    default:
        break;
    }
    return CListener::Respond(code, sender, a, b);
}
