#pragma once
// A file on an internet server, opened by a session or a connection. Failures are
// reported by results, never thrown.
#include "afx/CObject.h"
#include "afx/CString.h"

class CInternetFile : public CObject {
public:
    // Longest line ReadString hands out; the rest of a longer line is skipped.
    static constexpr UINT kMaxLine = 64 * 1024;

    CInternetFile() = default;
    CInternetFile(const CInternetFile&) = delete;
    CInternetFile& operator=(const CInternetFile&) = delete;
    ~CInternetFile() override = default;

    // Blocks until count bytes are in or the answer ends.
    virtual UINT Read(void* buffer, UINT count);
    // The next line without its end; FALSE when the answer is used up.
    virtual BOOL ReadString(CString& line);
    virtual void Write(const void* buffer, UINT count);
    virtual void Close();
    // Set when written bytes did not reach the server (known after Close for uploads).
    BOOL GetWriteFailed() const { return m_writeFailed; }

protected:
    BOOL m_writeFailed = FALSE;
};
