#pragma once
// An internet session: the agent name and access settings that its connections and the
// addresses it opens share. Failures are reported by null results, never thrown.
// Preconfigured access takes the proxy from the environment.
#include "afx/CObject.h"
#include "afx/CString.h"
#include "afx/internet/Internet.h"
#include "afx/internet/TransferLimits.h"

class CFtpConnection;
class CHttpConnection;
class CHttpFile;

class CInternetSession : public CObject {
public:
    explicit CInternetSession(LPCTSTR agent = nullptr, DWORD_PTR context = 1,
                              DWORD accessType = PRE_CONFIG_INTERNET_ACCESS, LPCTSTR proxy = nullptr,
                              LPCTSTR proxyBypass = nullptr, DWORD flags = 0);
    CInternetSession(const CInternetSession&) = delete;
    CInternetSession& operator=(const CInternetSession&) = delete;
    ~CInternetSession() override = default;

    // An http or https address, requested and answered (whatever the answer's status); null
    // when it is no such address or no answer came. The caller deletes it.
    CHttpFile* OpenURL(LPCTSTR url, DWORD_PTR context = 1, DWORD flags = INTERNET_FLAG_TRANSFER_ASCII,
                       LPCTSTR headers = nullptr, DWORD headersLength = 0);
    // Logs in (an empty user logs in anonymously); null when that fails. The caller deletes it.
    CFtpConnection* GetFtpConnection(LPCTSTR server, LPCTSTR userName = nullptr, LPCTSTR password = nullptr,
                                     INTERNET_PORT port = INTERNET_INVALID_PORT_NUMBER, BOOL passive = FALSE);
    // Connects when a request is sent; null only for an unusable server name.
    CHttpConnection* GetHttpConnection(LPCTSTR server, DWORD flags, INTERNET_PORT port = INTERNET_INVALID_PORT_NUMBER,
                                       LPCTSTR userName = nullptr, LPCTSTR password = nullptr);
    void Close() {}

    // The bounds of every exchange of the files and connections made afterwards.
    void SetLimits(const MvTransferLimits& limits) { m_limits = limits; }
    const MvTransferLimits& GetLimits() const { return m_limits; }

    const CString& GetAgent() const { return m_agent; }
    DWORD_PTR GetContext() const { return m_context; }

private:
    CString m_agent;
    DWORD_PTR m_context;
    MvTransferLimits m_limits;
};
