#pragma once
// A logged-in connection to an FTP server, kept open between operations.
#include "afx/CObject.h"
#include "afx/CString.h"
#include "afx/internet/Internet.h"
#include "afx/internet/TransferLimits.h"

#include <memory>
#include <string>

class CInternetFile;
class MvCurlTransfer;

class CFtpConnection : public CObject {
public:
    CFtpConnection(const CFtpConnection&) = delete;
    CFtpConnection& operator=(const CFtpConnection&) = delete;
    ~CFtpConnection() override;

    // A remote file opened for writing (GENERIC_WRITE); its bytes are stored when it is
    // closed, and GetWriteFailed tells whether they were. Null when the file's folder does
    // not exist or the name is unusable. The caller deletes it.
    CInternetFile* OpenFile(LPCTSTR name, DWORD access = 0x80000000u, DWORD flags = FTP_TRANSFER_TYPE_BINARY,
                            DWORD_PTR context = 1);
    BOOL CreateDirectory(LPCTSTR name);
    void Close();

    const CString& GetServerName() const { return m_server; }

    // Made by CInternetSession::GetFtpConnection once the login succeeded; each operation
    // keeps to the limits.
    static CFtpConnection* Connect(const char* agent, const char* server, const char* user, const char* password,
                                   INTERNET_PORT port, bool passive, const MvTransferLimits& limits = {});

    // Runs one operation on the kept connection: the address of path (relative to the login
    // folder; an empty path is that folder), with an optional command or upload. Internal.
    bool Run(const std::string& path, const char* command, const std::string* upload);

private:
    CFtpConnection() = default;
    std::unique_ptr<MvCurlTransfer> m_transfer;
    CString m_agent;
    CString m_server;
    CString m_user;
    CString m_password;
    INTERNET_PORT m_port = INTERNET_DEFAULT_FTP_PORT;
    bool m_passive = false;
};
