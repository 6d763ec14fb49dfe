#pragma once
// One existing file of a multi-segment file, at a start position in the logical file.
#include "win32/WinTypes.h"

class CMultiFileSegment {
public:
    static constexpr int kMaxPath = 259;

    CMultiFileSegment() = default;
    CMultiFileSegment(const CMultiFileSegment&) = delete;
    CMultiFileSegment& operator=(const CMultiFileSegment&) = delete;
    virtual ~CMultiFileSegment();

    void SetFilePath(const char* path);
    // The file-name part of the path, in the rotating text buffer.
    char* GetText() const;
    // Opens the existing file (for writing too when asked) and reads its length.
    bool Open(bool write);
    void Close();
    bool IsOpen() const;

    void SetStartPosition(__int64 start) { m_start = start; }
    __int64 GetStartPosition() const { return m_start; }
    DWORD GetPhysicalPosition() const { return m_position; }
    DWORD GetFileLength() const { return m_length; }

    DWORD Seek(DWORD position);
    DWORD Read(unsigned char* buffer, DWORD count);
    // Never past the segment's end: the file's length does not change.
    DWORD Write(const unsigned char* buffer, DWORD count);

private:
    char m_path[kMaxPath + 1] = {};
    HANDLE m_file = INVALID_HANDLE_VALUE;
    __int64 m_start = 0;
    DWORD m_position = 0;
    DWORD m_length = 0;
};
