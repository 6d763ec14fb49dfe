#include "CWebXml.h"

#include "CPersistObject.h"
#include "CWebParam.h"
#include "CXmlPersistReader.h"
#include "UUrlEncoder.h"
#include "UUrlUtils.h"
#include "afx/internet/CHttpConnection.h"
#include "afx/internet/CHttpFile.h"
#include "afx/internet/CInternetSession.h"

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <strings.h>

#undef GetMessage

CWebXml::CWebXml(const CWebXml& other)
    : m_site(other.m_site), m_path(other.m_path), m_answer(other.m_answer), m_object(other.m_object)
{
    for (int i = 0; i < other.m_params.GetItemCount(); ++i)
        m_params.Add(new CWebParam(*static_cast<CWebParam*>(other.m_params.GetAt(i))));
}

CWebXml& CWebXml::operator=(const CWebXml& other)
{
    if (this == &other) return *this;
    Reset();
    m_site = other.m_site;
    m_path = other.m_path;
    m_answer = other.m_answer;
    m_object = other.m_object;
    for (int i = 0; i < other.m_params.GetItemCount(); ++i)
        m_params.Add(new CWebParam(*static_cast<CWebParam*>(other.m_params.GetAt(i))));
    return *this;
}

CWebXml::~CWebXml() { Reset(); }

void CWebXml::Reset()
{
    for (int i = 0; i < m_params.GetItemCount(); ++i) delete static_cast<CWebParam*>(m_params.GetAt(i));
    m_params.RemoveAll();
    m_answer.Reset();
}

void CWebXml::AddParam(const char* name, const char* value)
{
    auto* param = new CWebParam;
    param->SetName(UUrlEncoder::EncodeParam(name));
    param->SetValue(UUrlEncoder::EncodeParam(value));
    m_params.Add(param);
}

void CWebXml::AddParam(const char* name, int value) { AddParam(name, std::to_string(value).c_str()); }

CString CWebXml::GetParams() const
{
    CString params;
    for (int i = 0; i < m_params.GetItemCount(); ++i) {
        if (i > 0) params += "&";
        params += static_cast<CWebParam*>(m_params.GetAt(i))->GetParam();
    }
    return params;
}

CString CWebXml::GetUrl() const
{
    CString url = m_site;
    url += m_path;
    const CString params = GetParams();
    if (!params.IsEmpty()) {
        url += "?";
        url += params;
    }
    return url;
}

CString CWebXml::RunUrl()
{
    CInternetSession session("Morvane/1.0", 1, PRE_CONFIG_INTERNET_ACCESS);
    MvTransferLimits limits;
    limits.timeLimitMs = kTimeLimitMs;
    limits.maxBytes = kMaxAnswer;
    session.SetLimits(limits);
    // The whole address goes out in lower case, so the scripts on the server are named so.
    CString url = GetUrl();
    url.MakeLower();
    const bool secure = strncmp(url, "https", 5) == 0;
    int port = UUrlUtils::GetPort(url);
    if (port <= 0 || port > 65535) port = secure ? 443 : 80;
    std::string answer;
    bool answered = false;
    std::unique_ptr<CHttpConnection> connection(session.GetHttpConnection(
        UUrlUtils::GetServer(url), INTERNET_FLAG_NO_CACHE_WRITE, static_cast<INTERNET_PORT>(port)));
    if (connection) {
        // The certificate's name and dates are checked: an answer from anyone else is not taken.
        DWORD flags = INTERNET_FLAG_NO_CACHE_WRITE;
        if (secure) flags |= INTERNET_FLAG_SECURE;
        std::unique_ptr<CHttpFile> request(
            connection->OpenRequest("POST", UUrlUtils::GetFileName(url), nullptr, 1, nullptr, nullptr, flags));
        const CString body = GetParams();
        static const char kHeader[] = "Content-Type: application/x-www-form-urlencoded";
        if (request && request->SendRequest(kHeader, sizeof(kHeader) - 1, body.GetString(),
                                            static_cast<DWORD>(body.GetLength()))) {
            CString line;
            bool first = true;
            while (request->ReadString(line)) {
                if (!first) answer += "\r\n";
                first = false;
                answer.append(line.GetString(), static_cast<size_t>(line.GetLength()));
                if (answer.size() >= static_cast<size_t>(kMaxAnswer)) {
                    answer.resize(kMaxAnswer);
                    break;
                }
            }
            answered = true;
        }
        if (request) request->Close();
        connection->Close();
    }
    if (!answered) m_answer.AddValue("message", CString("Unable to connect to ") + m_site);
    return CString(answer.c_str(), static_cast<int>(answer.size()));
}

bool CWebXml::Run()
{
    m_answer.Reset();
    return ReadAnswer(RunUrl());
}

bool CWebXml::ReadAnswer(const char* text)
{
    CXmlDocument parsed;
    if (text && parsed.Parse(text)) m_answer = parsed;
    CXmlNode* result = m_answer.FindChild("result", false);
    if (!result || std::strtol(result->GetValue(), nullptr, 10) == 0) return false;
    CXmlNode* data = m_answer.FindChild("data", false);
    if (m_object && data) {
        // The reader's top node is the element the object enters first.
        CXmlPersistReader reader(data);
        m_object->Load("data", reader);
    }
    return true;
}

CString CWebXml::GetMessage() const
{
    CXmlNode* message = const_cast<CXmlDocument&>(m_answer).FindChild("message", false);
    return message ? message->GetValue() : CString();
}
