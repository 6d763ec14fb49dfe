#include "CMediaFileCheckThread.h"

#include "CMediaFile2.h"
#include "CPath.h"
#include "UApplyMediaFile.h"
#include "UStringBuffer.h"

#include "com/ComRuntime.h"

#include <filesystem>
#include <string>
#include <strings.h>

namespace {

// Without the shared text ring, which belongs to the user-interface thread.
std::string NameOf(const char* path)
{
    return std::filesystem::path(path).filename().string();
}

} // namespace

CMediaFileCheckThread::CMediaFileCheckThread()
{
    SetAutoDelete(false);
}

CMediaFileCheckThread::~CMediaFileCheckThread()
{
    // The job uses the queue, the results and the administrator.
    CancelAndWait();
    Clear();
}

void CMediaFileCheckThread::Clear()
{
    for (int i = 0; i < m_queue.GetItemCount(); ++i) delete static_cast<CPath*>(m_queue.GetAt(i));
    m_queue.RemoveAll();
    for (int i = 0; i < m_results.GetItemCount(); ++i) delete static_cast<CMediaFile2*>(m_results.GetAt(i));
    m_results.RemoveAll();
}

void CMediaFileCheckThread::ExecuteSelf(long)
{
    CoInitialize(nullptr);
    SetProgress(0);
    const int count = m_queue.GetItemCount();
    for (int i = 0; i < count && !IsCanceled(); ++i) {
        m_index = i;
        SetProgress(double(i) / count);
        const CString path(static_cast<CPath*>(m_queue.GetAt(i))->GetFilePath());
        {
            std::lock_guard<std::mutex> guard(m_textLock);
            m_text = CString("Checking ") + NameOf(path).c_str();
        }
        CheckFile(path);
    }
    CoUninitialize();
}

void CMediaFileCheckThread::CheckFile(const char* path)
{
    auto* file = new CMediaFile2;
    file->GetFilePath().SetFilePath(path);
    // Protected music is never opened: it cannot be converted.
    if (strcasecmp(std::filesystem::path(path).extension().c_str(), ".m4p") != 0) {
        m_admin.SetFilePath(path);
        if (m_admin.Create()) UApplyMediaFile::ApplyMediaFile(file, &m_admin);
        m_admin.Release();
    }
    m_results.Add(file);
}

char* CMediaFileCheckThread::GetText()
{
    std::lock_guard<std::mutex> guard(m_textLock);
    return UStringBuffer::Text(m_text);
}

char* CMediaFileCheckThread::GetDetailText()
{
    return GetText();
}
