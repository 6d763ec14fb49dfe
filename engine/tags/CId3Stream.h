#pragma once
// The bytes of an ID3 version 2 tag behind its header, read piece by piece from memory or
// from a file, never beyond the tag, with a whole-tag unsynchronisation (versions 2.2 and
// 2.3) undone on the way.
#include "win32/WinTypes.h"

class CFile;

class CId3Stream {
public:
    CId3Stream(const BYTE* data, DWORD size, bool unsynchronised);
    // From the file's current position.
    CId3Stream(CFile& file, DWORD size, bool unsynchronised);

    // False when the tag ends before count bytes.
    bool Read(BYTE* out, DWORD count);
    bool Skip(DWORD count);
    // Stored bytes not yet read: no more than this can still come.
    DWORD Left() const { return m_left; }
    // The last count stored bytes are no part of the frames (padding); a count larger than
    // what is left is no padding and is passed over.
    void DropTail(DWORD count)
    {
        if (count < m_left) m_left -= count;
    }

    // Undoes unsynchronisation in place (a zero byte after 0xFF is dropped); the new size.
    static DWORD Resynchronise(BYTE* bytes, DWORD size);

private:
    DWORD ReadStored(BYTE* out, DWORD count);
    // afterFF carries whether the byte before these was 0xFF.
    static DWORD Resynchronise(BYTE* bytes, DWORD size, bool& afterFF);

    const BYTE* m_data = nullptr;
    CFile* m_file = nullptr;
    DWORD m_left;
    bool m_unsynchronised;
    bool m_afterFF = false;
};
