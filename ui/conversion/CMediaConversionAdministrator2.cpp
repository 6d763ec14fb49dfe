#include "CMediaConversionAdministrator2.h"

#include "CAudioTrack.h"
#include "CDelayedFunction.h"
#include "CFileInputFilters2.h"
#include "CFileOutputFilters2.h"
#include "CSliceDuration2.h"
#include "CVideoTrack.h"
#include "UFileUtils.h"
#include "UStringBuffer.h"

#include "afx/windows/CWinApp.h"
#include "win32/dialogs/MessageBox.h"
#include "win32/kernel/Files.h"
#include "win32/kernel/KernelTime.h"
#include "win32/kernel/Threads.h"

#include <algorithm>
#include <map>

const char* const CMediaConversionAdministrator2::kStallErrorText =
    "The conversion stopped making progress. Task aborted.";

const GUID CMediaConversionAdministrator2::kAsfReaderId = {
    0x187463A0, 0x5BB7, 0x11D3, {0xAC, 0xBE, 0x00, 0x80, 0xC7, 0x5E, 0x24, 0x6E}};
const GUID CMediaConversionAdministrator2::kWmSourceId = {
    0x6B6D0800, 0x9ADA, 0x11D0, {0xA5, 0x20, 0x00, 0xA0, 0xD1, 0x01, 0x29, 0xC0}};

namespace {

// Stall reactions waiting for the message loop, by serial: an administrator deleted
// meanwhile is struck out, so a late call finds nothing. UI thread only.
std::map<long, CMediaConversionAdministrator2*> sPendingStalls;
long sNextStallSerial = 0;

constexpr double kNearlyDone = 0.95;
constexpr unsigned long kAsfTimeOut = 30;
constexpr unsigned long kTimeOut = 60;
constexpr ESplitterType kPspType = 2022;

bool IsQuickTimeExportType(ESplitterType type)
{
    switch (type) {
    case 601: case 610: case 611: case 620: case 630: case 631: case 640: case 650:
        return true;
    default:
        return false;
    }
}

CString WithExtension(const char* path, const char* extension)
{
    return CString(UFileUtils::ReplaceExtension(path, extension));
}

} // namespace

CMediaConversionAdministrator2::CMediaConversionAdministrator2() = default;

CMediaConversionAdministrator2::~CMediaConversionAdministrator2()
{
    CancelStopWithError();
    // Released here while the overrides of this class still answer.
    CDirectShowAdministrator2::Release();
}

void CMediaConversionAdministrator2::SetMediaFile(CMediaFile2& file)
{
    m_retry = false;
    m_mediaFile = file;
    if (CVideoTrack* track = m_mediaFile.GetVideoTrack(0)) SetAspectRatio(track->GetAspectRatio());
}

void CMediaConversionAdministrator2::SetDuration(CDuration& duration)
{
    m_duration = duration;
    m_monitor.SetDuration(m_duration.GetDuration());
}

bool CMediaConversionAdministrator2::Create()
{
    if (!CheckFilePath()) return false;
    return CMediaWriterAdministrator2::Create();
}

bool CMediaConversionAdministrator2::CheckFilePath()
{
    const CString& input = m_mediaFile.GetFilePath().GetFilePath();
    if (input.IsEmpty() || input.CompareNoCase(m_saveFile.GetFilePath()) != 0) return true;
    if (m_saveFile.GetFileReplace() == kFileReplaceRename) return true;
    CString lower(input);
    lower.MakeLower();
    CString text;
    text.Format("You are trying to convert %s to the same file name. Please change your output file location.",
                static_cast<const char*>(lower));
    AfxMessageBox(text, MB_OK);
    return false;
}

bool CMediaConversionAdministrator2::CreateInputFilters()
{
    auto* input = new CFileInputFilters2(m_graph);
    SetInputFilters(input);
    CPersistMultiFile2& path = m_mediaFile.GetFilePath();
    input->SetFilePath(path.GetFilePath());
    for (int i = 0; i < path.GetSegmentCount(); ++i) {
        CPersistFile2* segment = path.GetSegment(i);
        if (segment && !segment->GetFilePath().IsEmpty()) input->AddMultiFilePath(segment->GetFilePath());
    }
    input->SetStart(path.GetStart());
    input->SetEnd(path.GetEnd());
    if (IsQuickTimeExportType(m_mediaOutput.GetSplitterType())) input->SetQuickTimeBlock(false);

    const bool asfReader = m_mediaFile.GetFileSourceId() == kAsfReaderId;
    if (m_retry && asfReader) {
        input->SetInputId(kWmSourceId);
    } else {
        input->SetInputId(m_mediaFile.GetFileSourceId());
        for (int i = 0; i < CMediaFile2::kSplitterCount; ++i) input->SetSplitterId(m_mediaFile.GetSplitterId(i), i);
    }
    m_monitor.SetTimeOut(asfReader && !m_retry ? kAsfTimeOut : kTimeOut);
    input->SetChainSplitter(m_mediaFile.GetChainSplitter());
    return true;
}

bool CMediaConversionAdministrator2::ConnectInput()
{
    if (!CMediaWriterAdministrator2::ConnectInput()) return false;
    if (auto* input = dynamic_cast<CFileInputFilters2*>(m_input)) input->ReconnectSeeker();
    return true;
}

bool CMediaConversionAdministrator2::CreateProcessingOutputFilters()
{
    if (!CMediaWriterAdministrator2::CreateProcessingOutputFilters()) return false;
    auto* set = static_cast<CFileOutputFilters2*>(m_processingOutput);
    set->SetWantsSubtitle(m_mediaFile.GetShowSubtitle());
    set->SetPickVideo(true, m_mediaFile.GetSelectVideo());
    set->SetPickAudio(true, m_mediaFile.GetSelectAudio());
    set->SetPickSubtitle(true, m_mediaFile.GetSelectSubtitle());
    set->SetTags(m_mediaFile.GetTags());
    if (CAudioTrack* audio = m_mediaFile.GetAudioTrack(m_mediaFile.GetSelectAudio())) {
        CAudioInfo2& info = audio->GetAudioInfo();
        set->SetAudioInSampleRate(info.GetSampleRate());
        set->SetAudioInChannel(info.GetChannel());
        set->SetAudioInBitsPerSample(info.GetBitsPerSample());
    }
    if (CVideoTrack* video = m_mediaFile.GetVideoTrack(m_mediaFile.GetSelectVideo())) {
        CVideoInfo2& info = video->GetVideoInfo();
        set->SetVideoInWidth(info.GetWidth());
        set->SetVideoInHeight(info.GetHeight());
        set->SetVideoInFrameRate(info.GetFrameRate());
        set->SetVideoCropLeft(video->GetCropLeft());
        set->SetVideoCropRight(video->GetCropRight());
        set->SetVideoCropTop(video->GetCropTop());
        set->SetVideoCropBottom(video->GetCropBottom());
        set->SetVideoFlip(video->GetTransformation().GetFlip());
        set->SetVideoRotation(video->GetTransformation().GetRotate());
    }
    CSnapshotOutput& snapshot = m_mediaOutput.GetSnapshotOutput();
    set->SetThumbnailFrameCapture(snapshot.GetFrameCapture());
    set->SetThumbnailImageType(snapshot.GetImageType());
    set->SetThumbnailCaptureTime(m_mediaFile.GetDuration() * snapshot.GetCapturePosition());
    set->SetThumbnailResize(snapshot.GetResize());
    set->SetThumbnailWidth(snapshot.GetWidth());
    set->SetThumbnailHeight(snapshot.GetHeight());
    set->SetThumbnailFilePath(GetThumbnailFilePath());
    if (m_mediaOutput.GetSplitterType() == kPspType) SetupPspOptions();
    return true;
}

CString CMediaConversionAdministrator2::GetThumbnailFilePath()
{
    const char* extension = "jpg";
    switch (m_mediaOutput.GetSnapshotOutput().GetImageType()) {
    case 1000: extension = "bmp"; break;
    case 1001: extension = "gif"; break;
    default: break;
    }
    return WithExtension(m_saveFile.GetFilePath(), extension);
}

void CMediaConversionAdministrator2::SetupPspOptions()
{
    auto* set = dynamic_cast<CMultiplexOutputFilters2*>(m_processingOutput);
    if (!set) return;
    double time = m_mediaFile.GetDuration() / 4;
    while (time > 20) time /= 2;
    set->SetThumbnailFrameCapture(2);
    set->SetThumbnailImageType(1002);
    set->SetThumbnailCaptureTime(time);
    set->SetThumbnailResize(true);
    set->SetThumbnailWidth(120);
    set->SetThumbnailHeight(90);
    set->SetThumbnailFilePath(GetPspThumbnailFilePath());
}

CString CMediaConversionAdministrator2::GetPspThumbnailFilePath()
{
    return WithExtension(m_saveFile.GetFilePath(), "THM");
}

bool CMediaConversionAdministrator2::Play()
{
    if (m_duration.GetStart() != 0 || m_duration.GetMax() != m_duration.GetEnd()) {
        SetPosition(m_duration.GetStart());
        SetStop(m_duration.GetEnd());
    }
    StartProgress();
    const bool played = CMediaWriterAdministrator2::Play();
    if (played) {
        m_playStartTime = timeGetTime();
        m_stopTime = 0;
    }
    return played;
}

void CMediaConversionAdministrator2::ReachStop()
{
    m_stopTime = timeGetTime();
}

void CMediaConversionAdministrator2::Reset()
{
    CMediaWriterAdministrator2::Reset();
    m_playStartTime = 0;
    m_stopTime = 0;
}

DWORD CMediaConversionAdministrator2::GetConversionTime() const
{
    if (m_playStartTime == 0 || m_stopTime == 0) return 0;
    return m_stopTime - m_playStartTime;
}

bool CMediaConversionAdministrator2::WantsVideo()
{
    return CMediaWriterAdministrator2::WantsVideo();
}

bool CMediaConversionAdministrator2::WantsAudio()
{
    return CMediaWriterAdministrator2::WantsAudio();
}

char* CMediaConversionAdministrator2::GetText()
{
    CString text;
    text.Format("Converting %s...", static_cast<const char*>(m_mediaFile.GetFilePath().GetFileNameOnly()));
    return UStringBuffer::Text(text);
}

double CMediaConversionAdministrator2::GetConversionPosition()
{
    double position = 0;
    auto* set = dynamic_cast<CMultiplexOutputFilters2*>(m_processingOutput);
    if (!set || !set->GetPosition(position)) return 0;
    return position;
}

double CMediaConversionAdministrator2::GetProgress()
{
    const double duration = m_mediaFile.GetSlice()->GetDuration();
    if (duration <= 0 || !m_processingOutput) return 0;
    const double position = GetConversionPosition();
    if (!m_monitor.SetPosition(position) && IsPlaying()) {
        m_monitor.Reset();
        // Stopping and rebuilding the graph must not happen inside a progress poll.
        if (!m_stallSerial) {
            m_stallSerial = ++sNextStallSerial;
            sPendingStalls[m_stallSerial] = this;
            if (!CDelayedFunction::Run(&CMediaConversionAdministrator2::RunStopWithError, m_stallSerial, 0))
                CancelStopWithError();
        }
    }
    return std::min(1.0, position / duration);
}

int CMediaConversionAdministrator2::RunStopWithError(long serial, long)
{
    const auto found = sPendingStalls.find(serial);
    if (found == sPendingStalls.end()) return 0;
    CMediaConversionAdministrator2* admin = found->second;
    admin->CancelStopWithError();
    // A run that ended, paused or was released meanwhile has nothing left to stop.
    if (admin->IsPlaying()) admin->StopWithError();
    return 0;
}

void CMediaConversionAdministrator2::CancelStopWithError()
{
    if (m_stallSerial) sPendingStalls.erase(m_stallSerial);
    m_stallSerial = 0;
}

void CMediaConversionAdministrator2::StopWithError()
{
    m_retry = false;
    auto* input = dynamic_cast<CSplitterInputFilters2*>(m_input);
    if (GetProgress() < kNearlyDone && input && input->GetInputId() == kAsfReaderId) m_retry = true;
    Stop();
    if (m_retry) {
        // The file this run wrote, which may differ from the save path by automatic
        // naming or renaming: a file the user kept under the save path stays.
        auto* set = dynamic_cast<CFileOutputFilters2*>(m_processingOutput);
        const CString written = set ? set->GetEffectivePath() : CString();
        Release();
        Sleep(1000);
        if (!written.IsEmpty()) DeleteFile(written);
        m_retry = Create() && Play();
        if (m_retry) return;
    }
    // A truncated output is no finished conversion: listeners find the failure in the
    // administrator's first error when the end arrives.
    SetErrorText(kStallErrorText);
    BroadcastCompletion(false);
}

bool CMediaConversionAdministrator2::IsWindowsMediaOutput() const
{
    const ESplitterType type = m_mediaOutput.GetSplitterType();
    return type == 200 || (type >= 250 && type <= 252);
}

bool CMediaConversionAdministrator2::ListenToMessage(long message, const void* p, const void* q)
{
    if (message != kGraphEventMessage) return CMediaWriterAdministrator2::ListenToMessage(message, p, q);
    if (!p || !IsWindowsMediaOutput()) return true;
    LONG* code = static_cast<LONG*>(const_cast<void*>(p));
    if ((*code == 13 || *code == 11) && GetProgress() > kNearlyDone) {
        ReachStop();
        Stop();
        *code = 1;
        BroadcastCompletion(false);
    }
    return true;
}
