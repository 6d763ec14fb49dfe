#pragma once
// Several existing files laid end to end as one logical file with 64-bit positions.
// Reads and writes run on from one segment into the next; segments never change length.
#include "win32/WinTypes.h"

#include <memory>
#include <vector>

class CMultiFileSegment;

class CMultiFile {
public:
    // What a seek returns when it finds no segment (position 0 is a valid answer).
    static constexpr __int64 kSeekFailed = -1;

    CMultiFile();
    CMultiFile(const CMultiFile&) = delete;
    CMultiFile& operator=(const CMultiFile&) = delete;
    virtual ~CMultiFile();

    virtual void Add(const char* path);
    virtual void Reset();
    // Opens every segment in order; false when there are none or one failed to open.
    virtual bool Open(bool write);
    virtual void Close();
    // origin 0 from the beginning, 1 from the current position, 2 from the end.
    virtual __int64 Seek(__int64 offset, DWORD origin);
    virtual __int64 SeekFromBegin(__int64 position);
    virtual __int64 SeekFromCurrent(__int64 delta);
    virtual __int64 SeekFromEnd(__int64 delta);
    virtual DWORD Read(unsigned char* buffer, DWORD count);
    virtual DWORD Write(const unsigned char* buffer, DWORD count);
    virtual __int64 GetSize();
    virtual CMultiFileSegment* FindSegment(__int64 position, DWORD& offset);

    __int64 GetPhysicalPosition() const;
    // The current segment's file name; empty text without one.
    char* GetText() const;
    CMultiFileSegment* GetCurrentSegment() const { return m_current; }

protected:
    template <class Transfer>
    DWORD RunOn(DWORD count, Transfer transfer);

    std::vector<std::unique_ptr<CMultiFileSegment>> m_segments;
    CMultiFileSegment* m_current = nullptr;
    __int64 m_totalSize = 0;
};
