#include "afx/kernel/CFile.h"

#include "win32/kernel/Files.h"
#include "win32/kernel/Threads.h"

CFile::~CFile()
{
    Close();
}

BOOL CFile::Open(LPCTSTR path, UINT flags, void*)
{
    Close();
    if (!path || !*path) return FALSE;
    DWORD access = (flags & 3) == modeWrite ? GENERIC_WRITE : (flags & 3) == modeReadWrite ? (GENERIC_READ | GENERIC_WRITE) : GENERIC_READ;
    DWORD share;
    switch (flags & 0x70) {
    case shareExclusive: share = 0; break;
    case shareDenyWrite: share = FILE_SHARE_READ; break;
    case shareDenyRead: share = FILE_SHARE_WRITE; break;
    default: share = FILE_SHARE_READ | FILE_SHARE_WRITE; break;
    }
    DWORD disposition = !(flags & modeCreate) ? OPEN_EXISTING : (flags & modeNoTruncate) ? OPEN_ALWAYS : CREATE_ALWAYS;
    HANDLE file = ::CreateFile(path, access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE || !file) return FALSE;
    m_hFile = file;
    m_path = path;
    m_writeFailed = FALSE;
    return TRUE;
}

void CFile::Close()
{
    if (m_hFile) ::CloseHandle(m_hFile);
    m_hFile = nullptr;
}

UINT CFile::Read(void* buffer, UINT count)
{
    DWORD read = 0;
    if (!m_hFile || !buffer || !::ReadFile(m_hFile, buffer, count, &read, nullptr)) return 0;
    return read;
}

void CFile::Write(const void* buffer, UINT count)
{
    DWORD written = 0;
    if (!m_hFile || (count && !buffer) || !::WriteFile(m_hFile, buffer, count, &written, nullptr) || written != count)
        m_writeFailed = TRUE;
}

ULONGLONG CFile::Seek(LONGLONG offset, UINT from)
{
    LARGE_INTEGER distance, position;
    distance.QuadPart = offset;
    position.QuadPart = 0;
    DWORD method = from == end ? FILE_END : from == current ? FILE_CURRENT : FILE_BEGIN;
    if (!m_hFile || !::SetFilePointerEx(m_hFile, distance, &position, method)) return static_cast<ULONGLONG>(-1);
    return static_cast<ULONGLONG>(position.QuadPart);
}

ULONGLONG CFile::GetPosition() const
{
    LARGE_INTEGER zero, position;
    zero.QuadPart = 0;
    position.QuadPart = 0;
    if (!m_hFile || !::SetFilePointerEx(m_hFile, zero, &position, FILE_CURRENT)) return 0;
    return static_cast<ULONGLONG>(position.QuadPart);
}

ULONGLONG CFile::GetLength() const
{
    LARGE_INTEGER size;
    size.QuadPart = 0;
    if (!m_hFile || !::GetFileSizeEx(m_hFile, &size)) return 0;
    return static_cast<ULONGLONG>(size.QuadPart);
}

void CFile::SetLength(ULONGLONG length)
{
    ULONGLONG at = GetPosition();
    if (Seek(static_cast<LONGLONG>(length), begin) == length) ::SetEndOfFile(m_hFile);
    Seek(static_cast<LONGLONG>(at < length ? at : length), begin);
}

void CFile::Flush()
{
    if (m_hFile) ::FlushFileBuffers(m_hFile);
}

CString CFile::GetFileName() const
{
    int slash = m_path.ReverseFind('/');
    return slash < 0 ? m_path : m_path.Mid(slash + 1);
}

BOOL CFile::Remove(LPCTSTR path)
{
    return ::DeleteFile(path);
}

BOOL CFile::Rename(LPCTSTR from, LPCTSTR to)
{
    return ::MoveFile(from, to);
}
