#pragma once
// Copies the byte range [start, end) of a source (one logical file over several segment
// files) into a target file, in blocks of 2 MiB.
#include "CMultiFile.h"
#include "UFileReplace.h"
#include "afx/CString.h"

#include <atomic>

class CRepeatPrompter;

class CFileCopyJob : public CMultiFile {
public:
    static constexpr __int64 kBlockSize = 2 * 1024 * 1024;

    CFileCopyJob() = default;
    ~CFileCopyJob() override = default;

    void SetStart(__int64 start);
    __int64 GetStart() const { return m_start; }
    void SetEnd(__int64 end) { m_end = end; }
    __int64 GetEnd() const { return m_end; }
    __int64 GetLength() const { return m_end - m_start; }
    // Bytes copied so far.
    __int64 GetDone() const { return m_done.load() - m_start; }
    void SetToFilePath(const char* path) { m_toPath = path ? path : ""; }
    const CString& GetToFilePath() const { return m_toPath; }
    void SetFileOption(EFileReplace how) { m_replace = how; }
    EFileReplace GetFileOption() const { return m_replace; }
    CMultiFile& GetFromFile() { return *this; }

    // An existing target is handled by the replace rule, asking through the prompter.
    void Copy(CRepeatPrompter* prompter);
    // The copy stops after its current block.
    void Cancel() { m_cancel = true; }
    // "Copying <current segment>...", in the shared text ring.
    virtual char* GetText();

private:
    __int64 m_start = 0;
    __int64 m_end = 0;
    CString m_toPath;
    EFileReplace m_replace = kFileReplaceReplace;
    std::atomic<__int64> m_done{0};
    std::atomic<bool> m_cancel{false};
};
