#pragma once
// A window [start, end) of a multi-segment file; positions count from the window's start.
// An end of 0 means the end of the logical file.
#include "CMultiFile.h"

class CMultiFileRange : public CMultiFile {
public:
    void SetStart(__int64 start) { m_start = start; }
    void SetEnd(__int64 end) { m_end = end; }
    __int64 GetStart() const { return m_start; }
    __int64 GetEnd() const { return m_end; }

    void Reset() override;
    // The base open, then a seek to the window's start.
    bool Open(bool write) override;
    __int64 SeekFromCurrent(__int64 delta) override;
    // From the window's end.
    __int64 SeekFromEnd(__int64 delta) override;
    // Never past the window's end.
    DWORD Read(unsigned char* buffer, DWORD count) override;
    __int64 GetSize() override;
    CMultiFileSegment* FindSegment(__int64 position, DWORD& offset) override;

private:
    __int64 m_start = 0;
    __int64 m_end = 0;
};
