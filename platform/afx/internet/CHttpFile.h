#pragma once
// An HTTP request and its answer, read as a stream.
#include "afx/internet/CInternetFile.h"

#include <memory>
#include <string>

class MvCurlTransfer;
struct MvTransferLimits;

class CHttpFile : public CInternetFile {
public:
    // A GET of the address (made by CInternetSession::OpenURL) or a request with a verb
    // (made by CHttpConnection::OpenRequest); nothing is sent before SendRequest. The flags
    // that would accept a certificate of another name or out of date are not honoured.
    CHttpFile(const char* agent, const char* url, const char* verb, DWORD flags);
    ~CHttpFile() override;

    // The bounds of the exchange; set before SendRequest.
    void SetLimits(const MvTransferLimits& limits);

    // Sends the request with extra header lines (CR LF separated) and a body; TRUE once an
    // answer came (whatever its status).
    BOOL SendRequest(LPCTSTR headers = nullptr, DWORD headersLength = 0, const void* optional = nullptr,
                     DWORD optionalLength = 0);
    // HTTP_QUERY_CONTENT_LENGTH or HTTP_QUERY_STATUS_CODE (with or without
    // HTTP_QUERY_FLAG_NUMBER) as a number; FALSE when the answer has none.
    BOOL QueryInfo(DWORD level, DWORD& value) const;
    BOOL QueryInfoStatusCode(DWORD& status) const;

    UINT Read(void* buffer, UINT count) override;
    BOOL ReadString(CString& line) override;
    void Close() override;

    const CString& GetUrl() const { return m_url; }

private:
    CString m_url;
    std::unique_ptr<MvCurlTransfer> m_transfer;
    void* m_headers = nullptr;
    bool m_sent = false;
};
