#include "UDocumentDefaults.h"

#include "CMediaOutput2.h"

void UDocumentDefaults::ApplyRecorderDefaults(CMediaOutput2& output, bool audioMode)
{
    output.SetWantsVideo(true);
    ApplyRecorderAudio(output, audioMode);
    CVideoOutput2& video = output.GetVideoOutput();
    video.SetRemux(false);
    video.SetGreyScale(false);
    video.SetKeepFrameRate(true);
    video.SetKeepSize(true);
    video.SetRegulateTimecode(false);
}

void UDocumentDefaults::ApplyRecorderAudio(CMediaOutput2& output, bool audioMode)
{
    CAudioOutput2& audio = output.GetAudioOutput();
    audio.SetRemux(false);
    audio.SetAutoSettings(false);
    if (audioMode) audio.SetAudioMode(1);
    audio.SetRegulateTimecode(false);
}

void UDocumentDefaults::WantAudioOnly(CMediaOutput2& output)
{
    output.SetWantsAudio(true);
    output.SetWantsVideo(false);
}
