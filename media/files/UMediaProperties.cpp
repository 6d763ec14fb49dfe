#include "UMediaProperties.h"

#include "CAudioTrack.h"
#include "CMediaFile2.h"
#include "CPropertyList.h"
#include "CVideoTrack.h"
#include "UGuidUtils.h"
#include "UStringBuffer.h"

namespace {
CString Number(int value)
{
    CString text;
    text.Format("%d", value);
    return text;
}

CString Decimal(double value)
{
    CString text;
    text.Format("%.2f", value);
    return text;
}

void AddHeading(CPropertyList& list, const char* kind, int index, bool numbered)
{
    CString heading(kind);
    if (numbered) heading.AppendFormat(" %d", index + 1);
    list.AddProperty(heading, "");
}

// Only a track something can decode has a known compression and decoder.
void AddDecoder(CPropertyList& list, const CMediaTrack& track)
{
    if (track.GetDecoder() != GUID_NULL) list.AddProperty("  Decoder", UGuidUtils::GuidToString(track.GetDecoder()));
}
}

void UMediaProperties::FillProperties(CPropertyList& list, CMediaFile2& mediaFile)
{
    CPersistFile2& path = mediaFile.GetFilePath();
    list.AddProperty("File Name", path.GetFileNameOnly());
    list.AddProperty("Path", path.GetPathOnly());
    list.AddProperty("Type", mediaFile.GetFileType());
    const int videoCount = mediaFile.GetVideoTrackCount();
    for (int i = 0; i < videoCount; ++i)
        if (CVideoTrack* track = mediaFile.GetVideoTrack(i)) FillProperties(list, *track, i, videoCount > 1);
    const int audioCount = mediaFile.GetAudioTrackCount();
    for (int i = 0; i < audioCount; ++i)
        if (CAudioTrack* track = mediaFile.GetAudioTrack(i)) FillProperties(list, *track, i, audioCount > 1);
    list.AddProperty("Subtitle", Number(mediaFile.GetSubtitleTrackCount()));
}

void UMediaProperties::FillProperties(CPropertyList& list, CVideoTrack& videoTrack, int index, bool numbered)
{
    AddHeading(list, "Video", index, numbered);
    if (videoTrack.GetDecoder() != GUID_NULL) {
        list.AddProperty("  Compression", UStringBuffer::FourccToText(videoTrack.GetFourcc()));
        AddDecoder(list, videoTrack);
    }
    const CVideoInfo2& info = videoTrack.GetVideoInfo();
    list.AddProperty("  Width", Number(info.GetWidth()));
    list.AddProperty("  Height", Number(info.GetHeight()));
    list.AddProperty("  Frame Rate", Decimal(info.GetFrameRate()));
    list.AddProperty("  Aspect Ratio", Decimal(videoTrack.GetAspectRatio().GetOriginal()));
}

void UMediaProperties::FillProperties(CPropertyList& list, CAudioTrack& audioTrack, int index, bool numbered)
{
    AddHeading(list, "Audio", index, numbered);
    AddDecoder(list, audioTrack);
    const CAudioInfo2& info = audioTrack.GetAudioInfo();
    list.AddProperty("  Sample Rate", Number(static_cast<int>(info.GetSampleRate())));
    list.AddProperty("  Channel", Number(info.GetChannel()));
    list.AddProperty("  Bits/Sample", Number(info.GetBitsPerSample()));
}
