#include "CFileCopyJob.h"

#include "UStringBuffer.h"
#include "afx/kernel/CFile.h"

#include <algorithm>
#include <string>
#include <vector>

void CFileCopyJob::SetStart(__int64 start)
{
    m_start = start;
    m_done = start;
}

char* CFileCopyJob::GetText()
{
    return UStringBuffer::Text((std::string("Copying ") + CMultiFile::GetText() + "...").c_str());
}

void CFileCopyJob::Copy(CRepeatPrompter* prompter)
{
    m_cancel = false;
    const CString target = UFileReplace::GetFilePath(prompter, m_toPath, m_replace);
    if (target.IsEmpty()) return;
    if (!Open(false)) return;
    CFile out;
    if (!out.Open(target, CFile::modeCreate | CFile::modeWrite)) {
        Close();
        return;
    }
    if (SeekFromBegin(m_start) == m_start) {
        m_done = m_start;
        std::vector<unsigned char> buffer(kBlockSize);
        bool full = true;
        while (!m_cancel.load() && full) {
            const __int64 done = m_done.load();
            if (done >= m_end) break;
            const DWORD chunk = static_cast<DWORD>(std::min(m_end - done, kBlockSize));
            const DWORD read = Read(buffer.data(), chunk);
            out.Write(buffer.data(), read);
            // A target that takes no more (a full disk) ends the copy.
            if (out.GetWriteFailed()) break;
            m_done += read;
            full = read == chunk;
        }
    }
    out.Close();
    Close();
}
