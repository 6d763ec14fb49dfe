#include "CImageFileAdder.h"

#include "CFilePath.h"
#include "CFilePrompter.h"
#include "CImageFile2.h"
#include "CRegistry.h"
#include "StWaitCursor.h"
#include "UDroppedPaths.h"
#include "UFilePrompterTypes.h"

namespace {
constexpr long kImageFiles = 8;
}

CImageFileAdder::CImageFileAdder()
{
    m_worker.AddListener(this);
    m_progress.AddListener(this);
}

CImageFileAdder::~CImageFileAdder()
{
    // The dialog polls the worker, which must not end into a half-destroyed adder.
    m_progress.End();
    m_progress.RemoveListener(this);
    m_worker.RemoveListener(this);
    DeleteItems();
}

// One batch at a time: a running worker reads its queue.
void CImageFileAdder::Add()
{
    if (m_worker.IsRunning()) return;
    CRegistry registry("Open", "File Type");
    CFilePrompter prompter(&registry);
    UFilePrompterTypes::FillOpenPrompter(&prompter, 0, kImageFiles);
    if (!prompter.PromptOpen(true)) return;
    StWaitCursor wait;
    for (int i = 0; i < prompter.GetSelectedCount(); ++i) {
        CString extension;
        m_worker.GetQueue().Add(new CFilePath(prompter.GetFile(i, extension)));
    }
    StartChecking();
}

void CImageFileAdder::AddDroppedFiles(HDROP drop)
{
    if (m_worker.IsRunning()) return;
    StWaitCursor wait;
    UDroppedPaths::Queue(drop, m_worker.GetQueue());
    StartChecking();
}

void CImageFileAdder::StartChecking()
{
    if (!m_worker.Execute(0)) {
        m_worker.Clear();
        return;
    }
    m_progress.SetAction(&m_worker, false);
    m_progress.Start("Adding files...");
}

bool CImageFileAdder::ListenToMessage(long message, const void* p, const void* q)
{
    if (message == kProgressCancelMessage && p == static_cast<const CProgressWindow*>(&m_progress)) {
        m_worker.Cancel();
        return true;
    }
    if (message == kWorkerFinishedMessage && p == static_cast<const CWorkerThread*>(&m_worker)) {
        FinishAdd();
        return true;
    }
    return CListener::ListenToMessage(message, p, q);
}

void CImageFileAdder::FinishAdd()
{
    m_progress.End();
    CPointerList& results = m_worker.GetResults();
    for (int i = 0; i < results.GetItemCount(); ++i) m_items.Add(results.GetAt(i));
    results.RemoveAll();
    if (!m_worker.IsCanceled()) Broadcast(kImagesVerifiedMessage, this, nullptr);
    m_worker.Clear();
    DeleteItems();
}

void CImageFileAdder::DeleteItems()
{
    for (int i = 0; i < m_items.GetItemCount(); ++i) delete static_cast<CImageFile2*>(m_items.GetAt(i));
    m_items.RemoveAll();
}
