#include "CMediaFileListControl.h"

#include "CAudioTrack.h"
#include "CMediaFile2.h"
#include "CMediaFileListDisplay.h"
#include "CMediaList2.h"
#include "CSliceDuration2.h"
#include "CVideoTrack.h"
#include "UListTexts.h"
#include "UTimecodeUtils.h"

#include "win32/controls/CommCtrl.h"

namespace {

CString ChannelText(unsigned short channels)
{
    if (channels == 2) return "Stereo";
    if (channels == 1) return "Mono";
    CString text;
    text.Format("%d", channels);
    return text;
}

} // namespace

CMediaFileListControl::CMediaFileListControl(bool audio, bool video, bool requireAudio)
    : CMediaItemListControl(audio, video, requireAudio), m_audio(audio), m_video(video)
{
}

CMediaList2* CMediaFileListControl::GetMediaList()
{
    return dynamic_cast<CMediaList2*>(GetObjectA());
}

CPersistList* CMediaFileListControl::GetList(CPersistObject* object)
{
    auto* list = dynamic_cast<CMediaList2*>(object);
    return list ? &list->GetFiles() : nullptr;
}

CObjectDisplay* CMediaFileListControl::CreateChildDisplay(CPersistObject* object)
{
    return object ? new CMediaFileListDisplay(this) : nullptr;
}

void CMediaFileListControl::CreateListHeaders()
{
    InsertColumn(0, "Convert from", LVCFMT_LEFT, 160);
    InsertColumn(1, "Convert to", LVCFMT_LEFT, 160);
    InsertColumn(2, "Duration", LVCFMT_RIGHT, 70);
    if (m_audio) {
        InsertColumn(3, "Sample Rate", LVCFMT_RIGHT, 80);
        InsertColumn(4, "Channel", LVCFMT_RIGHT, 60);
        InsertColumn(5, "Bits/Sample", LVCFMT_RIGHT, 80);
        InsertColumn(6, "Estimated Size", LVCFMT_RIGHT, 100);
        InsertColumn(7, "Status", LVCFMT_RIGHT, 80);
    } else {
        InsertColumn(3, "Size", LVCFMT_RIGHT, 60);
        InsertColumn(4, "Frame Rate", LVCFMT_RIGHT, 70);
        InsertColumn(5, "Audio", LVCFMT_RIGHT, 80);
        InsertColumn(6, "Status", LVCFMT_RIGHT, 80);
    }
}

UINT CMediaFileListControl::GetImageListResource(int& width, int& height)
{
    width = 16;
    height = 15;
    return 11002;
}

CString CMediaFileListControl::GetStatusText(CMediaFile2* file)
{
    return file ? UListTexts::GetStatusText(file->GetStatus(), UListTexts::kCancelled) : CString("-");
}

CString CMediaFileListControl::GetObjectText(CPersistObject* object, int column, bool full)
{
    CMediaFile2* file = GetFileOf(object);
    if (!file) return "-";
    CVideoTrack* video = file->GetVideoTrack(0);
    CAudioTrack* audio = file->GetAudioTrack(0);
    CString text("N/A");
    switch (column) {
    case 0:
        return full ? file->GetFilePath().GetFilePath() : file->GetFilePath().GetFileNameOnly();
    case 1:
        return file->GetOutputFile().GetFilePath();
    case 2:
        return UTimecodeUtils::Format(file->GetSlice()->GetMax());
    case 3:
        if (m_video && video)
            text.Format("%dx%d", video->GetVideoInfo().GetWidth(), video->GetVideoInfo().GetHeight());
        else if (!m_video && audio)
            text.Format("%d", static_cast<int>(audio->GetAudioInfo().GetSampleRate()));
        return text;
    case 4:
        if (m_video && video && video->GetVideoInfo().GetFrameRate() != 0)
            text.Format("%.2f", video->GetVideoInfo().GetFrameRate());
        else if (!m_video && audio)
            text = ChannelText(audio->GetAudioInfo().GetChannel());
        return text;
    case 5:
        if (audio && m_video)
            text.Format("%.2fkhz", audio->GetAudioInfo().GetSampleRate() * 0.001);
        else if (audio)
            text.Format("%d bits", audio->GetAudioInfo().GetBitsPerSample());
        return text;
    case 6:
        return m_audio ? UListTexts::GetSizeText(file->GetEstimatedSize()) : GetStatusText(file);
    case 7:
        return GetStatusText(file);
    default:
        return "-";
    }
}

CMediaFile2* CMediaFileListControl::GetSelectedFile()
{
    return static_cast<CMediaFile2*>(GetSelectedItem());
}

CMediaFile2* CMediaFileListControl::GetItemFile(CPersistObject* item)
{
    return static_cast<CMediaFile2*>(item);
}

void CMediaFileListControl::TakeFile(CMediaFile2* file)
{
    GetMediaList()->AddFile(file);
}

void CMediaFileListControl::DeleteItem(CPersistObject* item)
{
    if (CMediaList2* list = GetMediaList()) list->RemoveFile(static_cast<CMediaFile2*>(item));
}
