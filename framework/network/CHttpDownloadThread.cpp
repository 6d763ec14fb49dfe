#include "CHttpDownloadThread.h"

#include "UFileUtils.h"
#include "UStringBuffer.h"
#include "afx/kernel/CFile.h"
#include "afx/internet/CHttpFile.h"
#include "afx/internet/CInternetSession.h"

#include <algorithm>
#include <string>
#include <vector>

CHttpDownloadThread::CHttpDownloadThread() { SetAutoDelete(false); }

CHttpDownloadThread::CHttpDownloadThread(const CHttpDownloadThread& other)
    : CWorkerThread(other), m_url(other.m_url), m_outPath(other.m_outPath)
{
    SetAutoDelete(false);
}

CHttpDownloadThread::~CHttpDownloadThread()
{
    CancelAndWait();
    Reset();
}

void CHttpDownloadThread::Reset()
{
    m_total = 0;
    m_done = 0;
    if (m_httpFile) {
        m_httpFile->Close();
        delete m_httpFile;
        m_httpFile = nullptr;
    }
    if (m_outFile) {
        m_outFile->Close();
        delete m_outFile;
        m_outFile = nullptr;
    }
}

char* CHttpDownloadThread::GetText() const
{
    const std::string name(UFileUtils::GetFileNameOnly(m_url));
    return UStringBuffer::Text(("Downloading " + name + "...").c_str());
}

double CHttpDownloadThread::GetProgress()
{
    const uint32_t total = m_total.load();
    if (total == 0) return 0;
    return static_cast<double>(m_done.load()) / total;
}

void CHttpDownloadThread::ExecuteSelf(long)
{
    m_done = 0;
    m_ok = true;
    CInternetSession session("Morvane/1.0", 1, PRE_CONFIG_INTERNET_ACCESS, nullptr, nullptr, 0);
    // Cancelling ends a wait on the server at once, however slowly it sends.
    MvTransferLimits limits;
    limits.timeLimitMs = kTimeLimitMs;
    limits.maxBytes = kMaximumLength;
    limits.stop = [this] { return IsCanceled(); };
    session.SetLimits(limits);
    m_httpFile = session.OpenURL(m_url, 1, INTERNET_FLAG_TRANSFER_ASCII, nullptr, 0);
    if (!m_httpFile) {
        // Nothing was fetched: the caller must not take an old file for the download.
        m_ok = false;
        return;
    }
    Download(*m_httpFile);
    Reset();
}

void CHttpDownloadThread::Download(CHttpFile& answer)
{
    // An error page is not the file asked for.
    DWORD status = 0;
    DWORD total = 0;
    if (!answer.QueryInfoStatusCode(status) || status < 200 || status > 299 ||
        !answer.QueryInfo(HTTP_QUERY_CONTENT_LENGTH | HTTP_QUERY_FLAG_NUMBER, total) || total <= kMinimumLength ||
        total > kMaximumLength) {
        m_ok = false;
        return;
    }
    m_total = total;
    m_outFile = new CFile;
    if (!m_outFile->Open(m_outPath, CFile::modeCreate | CFile::modeWrite)) {
        m_ok = false;
        return;
    }
    m_done = 0;
    std::vector<char> block(kBlockSize);
    while (!IsCanceled() && m_ok.load()) {
        const UINT ask = std::min<uint32_t>(total - m_done.load(), kBlockSize);
        if (answer.Read(block.data(), ask) != ask) {
            m_ok = false;
            break;
        }
        m_outFile->Write(block.data(), ask);
        if (m_outFile->GetWriteFailed()) {
            m_ok = false;
            break;
        }
        m_done += ask;
        if (m_done.load() >= total) break;
    }
    // A cancelled download left a partial file: not one to be opened.
    if (m_done.load() < total) m_ok = false;
}
