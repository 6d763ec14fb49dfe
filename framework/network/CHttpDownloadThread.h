#pragma once
// Downloads one web address into a file on a worker thread, with progress.
#include "CWorkerThread.h"
#include "afx/CString.h"

#include <atomic>
#include <cstdint>

class CFile;
class CHttpFile;

class CHttpDownloadThread : public CWorkerThread {
public:
    // Answers of this size or less are not taken for the file asked for.
    static constexpr uint32_t kMinimumLength = 10000;
    // Larger answers are refused before a byte is written.
    static constexpr uint32_t kMaximumLength = 512u * 1024 * 1024;
    static constexpr uint32_t kBlockSize = 8192;
    // The longest a download may take in all.
    static constexpr uint32_t kTimeLimitMs = 60u * 60 * 1000;

    CHttpDownloadThread();
    CHttpDownloadThread(const CHttpDownloadThread& other);
    CHttpDownloadThread& operator=(const CHttpDownloadThread&) = delete;
    ~CHttpDownloadThread() override;

    void SetUrl(const char* url) { m_url = url ? url : ""; }
    void SetOutPath(const char* path) { m_outPath = path ? path : ""; }
    const CString& GetUrl() const { return m_url; }
    const CString& GetOutPath() const { return m_outPath; }

    // Zeroes the counters and closes both files.
    void Reset();
    // False once the download failed; true while none did.
    bool IsOk() const { return m_ok.load(); }
    // "Downloading <last part of the address>...", in the shared text ring.
    char* GetText() const;
    double GetProgress() override;

    void ExecuteSelf(long param) override;

private:
    void Download(CHttpFile& answer);

    CString m_url;
    CString m_outPath;
    CHttpFile* m_httpFile = nullptr;
    CFile* m_outFile = nullptr;
    std::atomic<uint32_t> m_total{0};
    std::atomic<uint32_t> m_done{0};
    std::atomic<bool> m_ok{true};
};
