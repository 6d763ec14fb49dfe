#include "CTextToSpeechTask.h"

#include "CAudioCodecsInfo.h"
#include "CCodecInfo.h"
#include "CFileCheckAdministrator2.h"
#include "CFormatType.h"
#include "CFormatTypes.h"
#include "CFileOutputFilters2.h"
#include "CMediaFile2.h"
#include "CTelloraData.h"
#include "UApplyMediaFile.h"
#include "UDirectoryUtils.h"
#include "UFileUtils.h"
#include "USavePathCheck.h"
#include "UStringBuffer.h"
#include "afx/windows/CWinApp.h"
#include "win32/dialogs/MessageBox.h"

namespace {
constexpr double kSpeakingShare = 0.2;
const char* const kTitle = "Recording to audio...";
// The engine's words when the compressor's sound does not reach the type's writer.
const char* const kUnconnected = "Unable to connect to processing agencies.";
} // namespace

CTextToSpeechTask::CTextToSpeechTask()
{
    m_thread.AddListener(this);
    m_administrator.AddListener(this);
}

CTextToSpeechTask::~CTextToSpeechTask()
{
    StopSelf();
    m_administrator.RemoveListener(this);
    m_thread.RemoveListener(this);
}

void CTextToSpeechTask::SetDirectShowWindow(CDirectShowWindow* window)
{
    m_administrator.SetVideoWindow(window);
}

ESplitterType CTextToSpeechTask::GetSplitter()
{
    return m_data ? m_data->GetMediaOutput().GetSplitterType() : 0;
}

bool CTextToSpeechTask::IsWavOutput()
{
    return GetSplitter() == kWavType;
}

CString CTextToSpeechTask::MakeTempFile()
{
    return CString(UDirectoryUtils::GetUserAppDataDirectory()) + "speech.wav";
}

CString CTextToSpeechTask::GetError()
{
    return m_data ? USavePathCheck::Check(m_data->GetFilePath().GetFilePath()) : CString();
}

bool CTextToSpeechTask::Start()
{
    // One recording at a time: a second start would reuse the running thread.
    if (m_recording) return false;
    return CDxTask::Start();
}

bool CTextToSpeechTask::PrepareToStart()
{
    if (!m_data) return false;
    if (!CDxTask::PrepareToStart()) return false;
    const CString path = m_data->GetFilePath().GetFilePath();
    if (!UFileUtils::FileExist(path)) return true;
    CString question;
    question.Format("%s already exists. Do you want to replace it?", path.GetString());
    return AfxMessageBox(question, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

bool CTextToSpeechTask::StartSelf()
{
    if (!m_data) return false;
    m_thread.SetVoice(m_data->GetSpeechControl());
    m_thread.SetAudioInfo(m_data->GetMediaOutput().GetAudioOutput().GetAudioInfo());
    m_thread.SetText(m_text);
    StartProgress();
    m_wav = IsWavOutput();
    if (m_wav) {
        m_thread.SetFilePath(m_data->GetFilePath().GetFilePath());
    } else {
        // What an earlier recording left must never be converted into this one's output.
        DeleteTempFile();
        m_thread.SetFilePath(MakeTempFile());
    }
    m_finishSent = false;
    m_progress.SetAction(this, false);
    m_progress.Start(kTitle);
    if (!m_thread.Execute(0)) {
        m_progress.End();
        return false;
    }
    m_recording = true;
    return true;
}

void CTextToSpeechTask::StopSelf()
{
    if (!m_recording) return;
    m_thread.CancelAndWait();
    m_administrator.Stop();
    m_administrator.Release();
    Finish();
}

void CTextToSpeechTask::Cancel()
{
    if (!m_recording) return;
    if (m_thread.IsRunning()) {
        // What was spoken so far is still converted, without a second end notice.
        m_thread.Cancel();
        BroadcastFinished();
        m_progress.Start(kTitle);
        return;
    }
    m_administrator.Stop();
    m_administrator.Release();
    Finish();
}

bool CTextToSpeechTask::ListenToMessage(long message, const void* p, const void* q)
{
    if (message == CDirectShowAdministrator2::kGraphCompleteMessage &&
        p == static_cast<CDirectShowAdministrator2*>(&m_administrator)) {
        // Read before the release: a failed or stalled run leaves its reason here.
        CString error = m_administrator.GetErrorText();
        error = error.IsEmpty() ? CheckWrittenFile() : WriteError(error);
        m_administrator.Stop();
        m_administrator.Release();
        Finish(error);
        return true;
    }
    if (message == kProgressCancelMessage) {
        Cancel();
        return true;
    }
    if (message == kWorkerFinishedMessage && p == static_cast<CWorkerThread*>(&m_thread)) {
        ConvertAudio();
        return true;
    }
    return CDxTask::ListenToMessage(message, p, q);
}

bool CTextToSpeechTask::RetrieveTempFileInfo(CMediaFile2& file)
{
    CFileCheckAdministrator2 check;
    check.SetFilePath(MakeTempFile());
    if (!check.Create()) return false;
    UApplyMediaFile::ApplyMediaFile(&file, &check);
    check.Release();
    return file.HasAudio();
}

void CTextToSpeechTask::ConvertAudio()
{
    if (!m_data || !m_recording) return;
    if (!m_thread.GetError().IsEmpty()) {
        Finish(m_thread.GetError());
        return;
    }
    if (m_wav) {
        Finish();
        return;
    }
    CMediaFile2 file;
    if (!RetrieveTempFileInfo(file)) {
        Finish(m_thread.GetTextLength() ? "No speech was recorded to convert." : "There is no text to record.");
        return;
    }
    m_administrator.SetMediaFile(file);
    m_administrator.SetMediaOutput(m_data->GetMediaOutput());
    // The user was asked about an existing file before speaking: not a second time.
    CSaveFile2 target(m_data->GetFilePath());
    if (target.GetFileReplace() == kFileReplaceAsk) target.SetFileReplace(kFileReplaceReplace);
    m_administrator.SetSaveFile(target);
    if (!m_administrator.Create() || !m_administrator.Play()) {
        CString error = m_administrator.GetErrorText();
        if (error == kUnconnected) error += RefuseCompressor();
        m_administrator.Release();
        Finish(error);
    }
}

CString CTextToSpeechTask::RefuseCompressor()
{
    // The spoken sound always reads, so what fails is the compressor the output names (a
    // catalogue from before may offer one for a type that cannot hold its sound). It is
    // offered no more for that type.
    CAudioOutput2& audio = m_data->GetMediaOutput().GetAudioOutput();
    const ESplitterType type = GetSplitter();
    if (CCodecInfo* codec = CAudioCodecsInfo::sInfo ? CAudioCodecsInfo::sInfo->FindCodec(type, audio.GetDisplayName())
                                                    : nullptr)
        codec->SetSupported(type, false);
    const CFormatType* row = CFormatTypes::sFormatTypes ? CFormatTypes::sFormatTypes->FindFileType(type) : nullptr;
    CString text;
    text.Format(" The compressor \"%s\" cannot write %s files. Choose another compressor in \"Record...\".",
                audio.GetDisplayName().GetString(), row ? row->GetAudioTypeName().GetString() : "these");
    return text;
}

CString CTextToSpeechTask::GetWrittenPath()
{
    auto* output = dynamic_cast<CFileOutputFilters2*>(m_administrator.GetProcessingOutputFilters());
    return output ? output->GetEffectivePath() : m_data->GetFilePath().GetFilePath();
}

CString CTextToSpeechTask::CheckWrittenFile()
{
    return UFileUtils::GetFileSize(GetWrittenPath()) > 0 ? CString() : WriteError("The disk may be full.");
}

CString CTextToSpeechTask::WriteError(const char* reason)
{
    CString error;
    error.Format("Unable to write the file \"%s\". %s", GetWrittenPath().GetString(), reason);
    return error;
}

void CTextToSpeechTask::Finish(const char* failure)
{
    m_recording = false;
    m_running = false;
    m_progress.End();
    if (!m_wav) DeleteTempFile();
    // After a cancel the user expects no news, only the end.
    if (failure && *failure && !m_finishSent) AfxMessageBox(failure, MB_OK | MB_ICONEXCLAMATION);
    BroadcastFinished();
}

void CTextToSpeechTask::BroadcastFinished()
{
    if (m_finishSent) return;
    m_finishSent = true;
    Broadcast(kTaskFinishedMessage, this, nullptr);
}

void CTextToSpeechTask::DeleteTempFile()
{
    const CString path = MakeTempFile();
    if (UFileUtils::FileExist(path)) UFileUtils::DeleteFileA(path);
}

char* CTextToSpeechTask::GetText()
{
    if (!m_data) return UStringBuffer::Text("");
    if (IsWavOutput()) {
        CString text;
        text.Format("Encoding audio to %s", m_data->GetFilePath().GetFileNameOnly().GetString());
        return UStringBuffer::Text(text);
    }
    return UStringBuffer::Text(m_thread.IsRunning() ? "Step 1 of 2: Encoding audio from text"
                                                    : "Step 2 of 2: Converting audio");
}

double CTextToSpeechTask::GetProgress()
{
    if (!m_data) return 0;
    if (IsWavOutput()) return m_thread.GetProgress();
    if (m_thread.IsRunning()) return kSpeakingShare * m_thread.GetProgress();
    return kSpeakingShare + (1 - kSpeakingShare) * m_administrator.GetProgress();
}

CProgressAction* CTextToSpeechTask::GetChildAction()
{
    if (!m_data || IsWavOutput()) return nullptr;
    if (m_thread.IsRunning()) return &m_thread;
    return &m_administrator;
}
