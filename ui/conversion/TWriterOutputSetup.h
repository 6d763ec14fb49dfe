#pragma once
// Hands a writer administrator's records to a file output set, field by field, in the
// order the set expects. A template so that the order can be watched on a recording set.
#include "CAudioCodecsInfo.h"
#include "CMediaWriterAdministrator2.h"
#include "CVideoCodecsInfo.h"

template <class TSet>
void SetupWriterOutput(TSet& set, CMediaWriterAdministrator2& admin)
{
    CMediaOutput2& output = admin.GetMediaOutput();
    CAudioOutput2& audio = *output.GetAudioOutput(0);
    CVideoOutput2& video = *output.GetVideoOutput(0);
    CSaveFile2& file = admin.GetSaveFile();
    CAspectRatioInfo2& ratio = admin.GetAspectRatio();
    const ESplitterType type = output.GetSplitterType();
    const CString audioDevice =
        CAudioCodecsInfo::sInfo ? CAudioCodecsInfo::sInfo->GetDeviceName(type, audio.GetDisplayName()) : CString();
    const CString videoDevice =
        CVideoCodecsInfo::sInfo ? CVideoCodecsInfo::sInfo->GetDeviceName(type, video.GetDisplayName()) : CString();

    set.SetSplitterType(type);
    set.SetTvType(output.GetTvType());
    set.SetLoop(output.GetLoop());
    set.SetAudioMode(audio.GetAudioMode());
    set.SetAudioComplexity(audio.GetComplexity());
    set.SetAudioCodecName(audio.GetDisplayName(), audioDevice);
    set.SetAudioRemux(audio.GetRemux());
    set.SetAudioKeepSettings(audio.GetAutoSettings());
    set.SetAudioSampleRate(audio.GetAudioInfo().GetSampleRate());
    set.SetAudioChannelCount(audio.GetAudioInfo().GetChannel());
    set.SetAudioBitsPerSample(audio.GetAudioInfo().GetBitsPerSample());
    set.SetAudioQualityMode(audio.GetEncoderControl());
    set.SetAudioBitrate(audio.GetBitrate());
    set.SetAudioQuality(audio.GetQuality());
    set.SetAudioRegulateTimecode(audio.GetRegulateTimecode());
    set.SetWmVersion(short(output.GetWmOutput().GetVersion()));
    set.SetWmProfile(output.GetWmOutput().GetProfile());
    set.SetRealAudience(output.GetRealOutput().GetProfile());
    set.SetFilePath(file.GetFilePath());
    set.SetFileAutoNaming(file.GetAutoNaming());
    set.SetFileOption(file.GetFileReplace());
    set.SetVideoMode(video.GetVideoMode());
    set.SetVideoComplexity(video.GetComplexity());
    set.SetVideoCodecName(video.GetDisplayName(), videoDevice);
    set.SetVideoRemux(video.GetRemux());
    set.SetVideoSettings(video.GetSettings());
    set.SetVideoQualityMode(video.GetEncoderControl());
    set.SetVideoBitrate(video.GetBitrate());
    set.SetVideoQuality(video.GetQuality());
    set.SetVideoKeyFrame(video.GetKeyFrame());
    set.SetVideoLatency(video.GetLatency());
    set.SetVideoKeepSize(video.GetKeepSize());
    set.SetVideoWidth(video.GetVideoInfo().GetWidth());
    set.SetVideoHeight(video.GetVideoInfo().GetHeight());
    set.SetVideoKeepFrameRate(video.GetKeepFrameRate());
    set.SetVideoGreyScale(video.GetGreyScale());
    set.SetVideoFrameRate(video.GetVideoInfo().GetFrameRate());
    set.SetVideoRegulateTimecode(video.GetRegulateTimecode());
    set.SetVideoInputAspectRatio(ratio.GetInput());
    set.SetVideoOutputAspectRatio(ratio.GetOutput());
    set.SetVideoScaling(ratio.GetScaling());
    set.SetWantsAudio(admin.WantsAudio());
    set.SetWantsVideo(admin.WantsVideo());
    set.SetFilePrompter(admin.GetFilePrompter());
}
