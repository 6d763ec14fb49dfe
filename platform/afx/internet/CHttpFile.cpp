#include "afx/internet/CHttpFile.h"

#include "afx/internet/CurlTransfer.h"
#include "afx/internet/Internet.h"

#include <curl/curl.h>

#include <cstring>
#include <strings.h>
#include <string_view>

CHttpFile::CHttpFile(const char* agent, const char* url, const char* verb, DWORD)
    : m_url(url ? url : ""), m_transfer(std::make_unique<MvCurlTransfer>())
{
    CURL* easy = m_transfer->Easy();
    if (!easy) return;
    curl_easy_setopt(easy, CURLOPT_URL, m_url.GetString());
    curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http,https");
    // A secure request stays secure: it follows no redirection to plain http.
    const bool secure = strncasecmp(m_url.GetString(), "https:", 6) == 0;
    curl_easy_setopt(easy, CURLOPT_REDIR_PROTOCOLS_STR, secure ? "https" : "http,https");
    curl_easy_setopt(easy, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(easy, CURLOPT_MAXREDIRS, 10L);
    if (agent && *agent) curl_easy_setopt(easy, CURLOPT_USERAGENT, agent);
    if (verb && std::strcmp(verb, "GET") != 0) curl_easy_setopt(easy, CURLOPT_CUSTOMREQUEST, verb);
    // No flag turns off the certificate checks: a certificate for another name or out of
    // date could come from anyone on the path.
}

void CHttpFile::SetLimits(const MvTransferLimits& limits)
{
    if (m_transfer && !m_sent) m_transfer->SetLimits(limits);
}

CHttpFile::~CHttpFile()
{
    m_transfer.reset();
    curl_slist_free_all(static_cast<curl_slist*>(m_headers));
}

BOOL CHttpFile::SendRequest(LPCTSTR headers, DWORD headersLength, const void* optional, DWORD optionalLength)
{
    if (m_sent || !m_transfer || !m_transfer->Easy()) return FALSE;
    CURL* easy = m_transfer->Easy();
    if (headers) {
        std::string_view text(headers, headersLength ? headersLength : std::strlen(headers));
        curl_slist* list = static_cast<curl_slist*>(m_headers);
        while (!text.empty()) {
            const size_t end = text.find_first_of("\r\n");
            const std::string header(text.substr(0, end));
            if (!header.empty()) list = curl_slist_append(list, header.c_str());
            text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        }
        m_headers = list;
        curl_easy_setopt(easy, CURLOPT_HTTPHEADER, list);
    }
    if (optional && optionalLength > 0) {
        curl_easy_setopt(easy, CURLOPT_POSTFIELDSIZE, static_cast<long>(optionalLength));
        curl_easy_setopt(easy, CURLOPT_COPYPOSTFIELDS, static_cast<const char*>(optional));
    }
    m_sent = true;
    return m_transfer->Start() ? TRUE : FALSE;
}

BOOL CHttpFile::QueryInfo(DWORD level, DWORD& value) const
{
    if (!m_sent || !m_transfer) return FALSE;
    switch (level & ~HTTP_QUERY_FLAG_NUMBER) {
    case HTTP_QUERY_CONTENT_LENGTH: {
        const int64_t length = m_transfer->ContentLength();
        if (length < 0 || length > 0xFFFFFFFFll) return FALSE;
        value = static_cast<DWORD>(length);
        return TRUE;
    }
    case HTTP_QUERY_STATUS_CODE: {
        const long status = m_transfer->Status();
        if (status <= 0) return FALSE;
        value = static_cast<DWORD>(status);
        return TRUE;
    }
    default: return FALSE;
    }
}

BOOL CHttpFile::QueryInfoStatusCode(DWORD& status) const { return QueryInfo(HTTP_QUERY_STATUS_CODE, status); }

UINT CHttpFile::Read(void* buffer, UINT count)
{
    if (!m_sent || !m_transfer) return 0;
    return static_cast<UINT>(m_transfer->Read(buffer, count));
}

BOOL CHttpFile::ReadString(CString& line)
{
    line.Empty();
    std::string text;
    if (!m_sent || !m_transfer || !m_transfer->ReadLine(text, kMaxLine)) return FALSE;
    line = CString(text.c_str(), static_cast<int>(text.size()));
    return TRUE;
}

void CHttpFile::Close()
{
    // Ends the exchange: the connection goes, nothing more can be read.
    m_transfer.reset();
    m_sent = false;
}
