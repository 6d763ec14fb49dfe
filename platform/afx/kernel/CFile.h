#pragma once
// A file on the kernel's file calls. Failures are reported by results (Open false,
// Read short, Write leaving GetWriteFailed set), never thrown.
#include "afx/CObject.h"
#include "afx/CString.h"

class CFile : public CObject {
public:
    enum OpenFlags : UINT {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareCompat = 0x0000,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeNoInherit = 0x0080,
        modeCreate = 0x1000,
        modeNoTruncate = 0x2000,
        typeText = 0x4000,
        typeBinary = 0x8000,
    };
    enum SeekPosition : UINT { begin = 0, current = 1, end = 2 };

    CFile() = default;
    CFile(LPCTSTR path, UINT flags) { Open(path, flags); }
    // A copy never shares the handle: it starts closed.
    CFile(const CFile&) : CObject() {}
    CFile& operator=(const CFile&) { return *this; }
    ~CFile() override;

    virtual BOOL Open(LPCTSTR path, UINT flags, void* error = nullptr);
    virtual void Close();
    void Abort() { Close(); }
    BOOL IsOpen() const { return m_hFile != nullptr; }

    virtual UINT Read(void* buffer, UINT count);
    virtual void Write(const void* buffer, UINT count);
    BOOL GetWriteFailed() const { return m_writeFailed; }
    ULONGLONG Seek(LONGLONG offset, UINT from);
    void SeekToBegin() { Seek(0, begin); }
    ULONGLONG SeekToEnd() { return Seek(0, end); }
    ULONGLONG GetPosition() const;
    ULONGLONG GetLength() const;
    void SetLength(ULONGLONG length);
    void Flush();

    CString GetFilePath() const { return m_path; }
    CString GetFileName() const;
    static BOOL Remove(LPCTSTR path);
    static BOOL Rename(LPCTSTR from, LPCTSTR to);

    HANDLE m_hFile = nullptr;

private:
    CString m_path;
    BOOL m_writeFailed = FALSE;
};
