#include "afx/internet/CHttpConnection.h"

#include "afx/internet/CHttpFile.h"
#include "afx/internet/InternetNames.h"

#include <string>

CHttpConnection::CHttpConnection(const char* agent, const char* server, INTERNET_PORT port, DWORD flags,
                                 const MvTransferLimits& limits)
    : m_agent(agent ? agent : ""), m_server(server ? server : ""), m_port(port), m_flags(flags), m_limits(limits)
{
}

CHttpFile* CHttpConnection::OpenRequest(LPCTSTR verb, LPCTSTR object, LPCTSTR, DWORD_PTR, LPCTSTR*, LPCTSTR,
                                        DWORD flags)
{
    if (!MvIsServerName(m_server)) return nullptr;
    std::string path = object && *object ? object : "/";
    if (path[0] != '/') path.insert(0, "/");
    if (!MvIsUrlText(path.c_str())) return nullptr;
    const bool secure = ((flags | m_flags) & INTERNET_FLAG_SECURE) != 0;
    INTERNET_PORT port = m_port;
    if (port == INTERNET_INVALID_PORT_NUMBER) port = secure ? INTERNET_DEFAULT_HTTPS_PORT : INTERNET_DEFAULT_HTTP_PORT;
    const std::string url = std::string(secure ? "https://" : "http://") + m_server.GetString() + ":" +
                            std::to_string(port) + path;
    auto* file = new CHttpFile(m_agent, url.c_str(), verb && *verb ? verb : "GET", flags | m_flags);
    file->SetLimits(m_limits);
    return file;
}
