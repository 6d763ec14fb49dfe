#include "CMediaFileVerifier.h"

#include "CFailedFilesDialog.h"
#include "CFilePath.h"
#include "CFilePrompter.h"
#include "CMediaFile2.h"
#include "CRegistry.h"
#include "UDroppedPaths.h"
#include "UFailureTexts.h"
#include "UFilePrompterTypes.h"

#include "afx/windows/CWinApp.h"
#include "win32/dialogs/MessageBox.h"

CMediaFileVerifier::CMediaFileVerifier(bool addAudio, bool addVideo, bool requireAudio, bool multiple)
    : CMediaVerifier(addAudio, addVideo, requireAudio), m_multiple(multiple)
{
    m_worker.AddListener(this);
}

CMediaFileVerifier::~CMediaFileVerifier()
{
    // The dialog polls the worker, which goes first.
    m_progress.End();
    m_worker.RemoveListener(this);
}

bool CMediaFileVerifier::ListenToMessage(long message, const void* p, const void* q)
{
    if (message == kProgressCancelMessage && p == static_cast<const CProgressWindow*>(&m_progress)) {
        m_worker.Cancel();
        return true;
    }
    if (message == kWorkerFinishedMessage && p == static_cast<const CWorkerThread*>(&m_worker)) {
        FinishAdd();
        return true;
    }
    return CMediaVerifier::ListenToMessage(message, p, q);
}

void CMediaFileVerifier::FillFilePrompter(CFilePrompter& prompter)
{
    if (m_addAudio)
        UFilePrompterTypes::FillOpenPrompter(&prompter, 3, 2);
    else if (m_addVideo)
        UFilePrompterTypes::FillOpenPrompter(&prompter, 1, 1);
}

// One batch at a time: a running worker reads its queue.
void CMediaFileVerifier::Add()
{
    if (m_worker.IsRunning()) return;
    CRegistry registry("Open", "File Type");
    CFilePrompter prompter(&registry);
    FillFilePrompter(prompter);
    if (!prompter.PromptOpen(m_multiple)) return;
    for (int i = 0; i < prompter.GetSelectedCount(); ++i) {
        CString extension;
        m_worker.GetQueue().Add(new CFilePath(prompter.GetFile(i, extension)));
    }
    StartChecking();
}

void CMediaFileVerifier::AddFiles(HDROP drop)
{
    if (m_worker.IsRunning()) return;
    UDroppedPaths::Queue(drop, m_worker.GetQueue());
    StartChecking();
}

void CMediaFileVerifier::AddFile(const char* path)
{
    if (m_worker.IsRunning()) return;
    m_worker.GetQueue().Add(new CFilePath(path));
    StartChecking();
}

bool CMediaFileVerifier::Unwind(CPath* path, CPointerList& list)
{
    return UDroppedPaths::Unwind(path, list);
}

void CMediaFileVerifier::StartChecking()
{
    if (!m_worker.Execute(0)) {
        m_worker.Clear();
        return;
    }
    m_progress.SetAction(&m_worker, false);
    m_progress.Start("Adding files...");
}

void CMediaFileVerifier::PopulateMediaList()
{
    CPointerList& results = m_worker.GetResults();
    for (int i = results.GetItemCount() - 1; i >= 0; --i) {
        auto* file = static_cast<CMediaFile2*>(results.GetAt(i));
        results.RemoveAt(i);
        const bool video = m_addVideo && file->HasVideo() && (!m_requireAudio || file->HasAudio());
        if (video || (m_addAudio && file->HasAudio()))
            m_mediaList.Add(file, 0);
        else
            m_failList.Add(file);
    }
}

void CMediaFileVerifier::FinishAdd()
{
    CMediaVerifier::FinishAdd();
    if (!m_worker.IsCanceled()) Broadcast(kMediaVerifiedMessage, this, nullptr);
    m_worker.Clear();
    Reset();
}

void CMediaFileVerifier::PromptFailedFiles()
{
    if (m_failList.GetItemCount() == 0) return;
    if (m_multiple) {
        CFailedFilesDialog dialog(m_addAudio, m_addVideo, m_requireAudio, nullptr);
        dialog.SetFailList(&m_failList);
        dialog.DoModal();
        return;
    }
    auto* first = static_cast<CMediaFile2*>(m_failList.GetAt(0));
    AfxMessageBox(UFailureTexts::GetFailureText(first, m_addAudio, m_addVideo, m_requireAudio), MB_OK);
}
