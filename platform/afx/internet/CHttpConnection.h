#pragma once
// A server of an internet session that HTTP requests are opened on.
#include "afx/CObject.h"
#include "afx/CString.h"
#include "afx/internet/Internet.h"
#include "afx/internet/TransferLimits.h"

class CHttpFile;

class CHttpConnection : public CObject {
public:
    CHttpConnection(const char* agent, const char* server, INTERNET_PORT port, DWORD flags,
                    const MvTransferLimits& limits = {});
    CHttpConnection(const CHttpConnection&) = delete;
    CHttpConnection& operator=(const CHttpConnection&) = delete;
    ~CHttpConnection() override = default;

    // A request of the object (path and query) on this server; null when the server or the
    // object cannot make an address. The caller deletes it.
    CHttpFile* OpenRequest(LPCTSTR verb, LPCTSTR object, LPCTSTR referer = nullptr, DWORD_PTR context = 1,
                           LPCTSTR* acceptTypes = nullptr, LPCTSTR version = nullptr, DWORD flags = 0);
    void Close() {}

    const CString& GetServerName() const { return m_server; }
    INTERNET_PORT GetPort() const { return m_port; }

private:
    CString m_agent;
    CString m_server;
    INTERNET_PORT m_port;
    DWORD m_flags;
    MvTransferLimits m_limits;
};
