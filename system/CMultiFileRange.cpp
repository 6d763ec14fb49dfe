#include "CMultiFileRange.h"

void CMultiFileRange::Reset()
{
    CMultiFile::Reset();
    m_start = 0;
    m_end = 0;
}

bool CMultiFileRange::Open(bool write)
{
    bool ok = CMultiFile::Open(write);
    SeekFromBegin(0);
    return ok;
}

__int64 CMultiFileRange::SeekFromCurrent(__int64 delta) { return SeekFromBegin(GetPhysicalPosition() - m_start + delta); }

__int64 CMultiFileRange::SeekFromEnd(__int64 delta) { return SeekFromBegin(GetSize() - delta); }

DWORD CMultiFileRange::Read(unsigned char* buffer, DWORD count)
{
    if (m_end != 0) {
        __int64 position = GetPhysicalPosition();
        if (position >= m_end) return 0;
        if (position + count > m_end) count = static_cast<DWORD>(m_end - position);
    }
    return CMultiFile::Read(buffer, count);
}

__int64 CMultiFileRange::GetSize()
{
    __int64 size = (m_end != 0 ? m_end : CMultiFile::GetSize()) - m_start;
    return size > 0 ? size : 0;
}

CMultiFileSegment* CMultiFileRange::FindSegment(__int64 position, DWORD& offset)
{
    if (position < 0) return nullptr; // before the window
    return CMultiFile::FindSegment(position + m_start, offset);
}
