#include "afx/internet/CInternetSession.h"

#include "afx/internet/CFtpConnection.h"
#include "afx/internet/CHttpConnection.h"
#include "afx/internet/CHttpFile.h"
#include "afx/internet/InternetNames.h"

#include <strings.h>

CInternetSession::CInternetSession(LPCTSTR agent, DWORD_PTR context, DWORD, LPCTSTR, LPCTSTR, DWORD)
    : m_agent(agent ? agent : ""), m_context(context)
{
}

CHttpFile* CInternetSession::OpenURL(LPCTSTR url, DWORD_PTR, DWORD, LPCTSTR headers, DWORD headersLength)
{
    if (!url || !MvIsUrlText(url)) return nullptr;
    if (strncasecmp(url, "http://", 7) != 0 && strncasecmp(url, "https://", 8) != 0) return nullptr;
    CHttpFile* file = new CHttpFile(m_agent, url, "GET", 0);
    file->SetLimits(m_limits);
    if (!file->SendRequest(headers, headersLength)) {
        delete file;
        return nullptr;
    }
    return file;
}

CFtpConnection* CInternetSession::GetFtpConnection(LPCTSTR server, LPCTSTR userName, LPCTSTR password,
                                                   INTERNET_PORT port, BOOL passive)
{
    return CFtpConnection::Connect(m_agent, server, userName, password, port, passive != FALSE, m_limits);
}

CHttpConnection* CInternetSession::GetHttpConnection(LPCTSTR server, DWORD flags, INTERNET_PORT port, LPCTSTR,
                                                     LPCTSTR)
{
    if (!MvIsServerName(server)) return nullptr;
    return new CHttpConnection(m_agent, server, port, flags, m_limits);
}
