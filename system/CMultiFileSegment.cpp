#include "CMultiFileSegment.h"
#include "PathField.h"
#include "UStringBuffer.h"

#include "win32/kernel/Files.h"
#include "win32/kernel/Threads.h"

#include <cstring>

CMultiFileSegment::~CMultiFileSegment() { Close(); }

void CMultiFileSegment::SetFilePath(const char* path)
{
    SetPathField(m_path, path);
}

char* CMultiFileSegment::GetText() const
{
    const char* slash = std::strrchr(m_path, '/');
    return UStringBuffer::Text(slash ? slash + 1 : m_path);
}

bool CMultiFileSegment::Open(bool write)
{
    Close();
    m_file = CreateFile(m_path, GENERIC_READ | (write ? GENERIC_WRITE : 0), 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (m_file == INVALID_HANDLE_VALUE) return false;
    m_length = ::GetFileSize(m_file, nullptr);
    m_position = 0;
    return true;
}

void CMultiFileSegment::Close()
{
    if (m_file != INVALID_HANDLE_VALUE) CloseHandle(m_file);
    m_file = INVALID_HANDLE_VALUE;
}

bool CMultiFileSegment::IsOpen() const { return m_file != INVALID_HANDLE_VALUE; }

DWORD CMultiFileSegment::Seek(DWORD position)
{
    // The whole unsigned range: as a LONG distance, positions from 2 GB up would turn negative.
    LARGE_INTEGER distance, at;
    distance.QuadPart = position;
    if (SetFilePointerEx(m_file, distance, &at, FILE_BEGIN)) m_position = static_cast<DWORD>(at.QuadPart);
    return m_position;
}

DWORD CMultiFileSegment::Read(unsigned char* buffer, DWORD count)
{
    DWORD read = 0;
    if (!::ReadFile(m_file, buffer, count, &read, nullptr)) return 0;
    m_position += read;
    return read;
}

DWORD CMultiFileSegment::Write(const unsigned char* buffer, DWORD count)
{
    DWORD room = m_position < m_length ? m_length - m_position : 0;
    if (room == 0) return 0;
    if (count > room) count = room;
    DWORD written = 0;
    ::WriteFile(m_file, buffer, count, &written, nullptr);
    m_position += written;
    return written;
}
