#include "CId3Stream.h"

#include "afx/kernel/CFile.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr DWORD kPiece = 4096;

}

CId3Stream::CId3Stream(const BYTE* data, DWORD size, bool unsynchronised)
    : m_data(data), m_left(data ? size : 0), m_unsynchronised(unsynchronised)
{
}

CId3Stream::CId3Stream(CFile& file, DWORD size, bool unsynchronised)
    : m_file(&file), m_left(size), m_unsynchronised(unsynchronised)
{
}

DWORD CId3Stream::ReadStored(BYTE* out, DWORD count)
{
    count = std::min(count, m_left);
    DWORD got = 0;
    if (m_data) {
        std::memcpy(out, m_data, count);
        m_data += count;
        got = count;
    } else if (count > 0) {
        got = m_file->Read(out, count);
    }
    m_left -= got;
    // A file shorter than the tag ends it.
    if (got < count) m_left = 0;
    return got;
}

bool CId3Stream::Read(BYTE* out, DWORD count)
{
    DWORD done = 0;
    while (done < count) {
        // Stored bytes never give more than their number, so this never overfills.
        const DWORD got = ReadStored(out + done, std::min(count - done, kPiece));
        if (got == 0) return false;
        if (!m_unsynchronised) {
            done += got;
            continue;
        }
        done += Resynchronise(out + done, got, m_afterFF);
    }
    return true;
}

bool CId3Stream::Skip(DWORD count)
{
    if (!m_unsynchronised && m_data) {
        if (count > m_left) return false;
        m_data += count;
        m_left -= count;
        return true;
    }
    if (!m_unsynchronised) {
        // Past the file's end the next read finds nothing and ends the tag.
        if (count > m_left) return false;
        m_file->Seek(static_cast<LONGLONG>(count), CFile::current);
        m_left -= count;
        return true;
    }
    BYTE piece[kPiece];
    while (count > 0) {
        const DWORD step = std::min(count, kPiece);
        if (!Read(piece, step)) return false;
        count -= step;
    }
    return true;
}

DWORD CId3Stream::Resynchronise(BYTE* bytes, DWORD size)
{
    bool afterFF = false;
    return Resynchronise(bytes, size, afterFF);
}

DWORD CId3Stream::Resynchronise(BYTE* bytes, DWORD size, bool& afterFF)
{
    DWORD kept = 0;
    for (DWORD i = 0; i < size; ++i) {
        const BYTE b = bytes[i];
        const bool drop = afterFF && b == 0;
        afterFF = b == 0xFF;
        if (!drop) bytes[kept++] = b;
    }
    return kept;
}
