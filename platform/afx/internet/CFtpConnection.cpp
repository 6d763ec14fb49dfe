#include "afx/internet/CFtpConnection.h"

#include "afx/internet/CInternetFile.h"
#include "afx/internet/CurlTransfer.h"
#include "afx/internet/InternetNames.h"
#include "win32/kernel/Files.h"

#include <curl/curl.h>

#include <algorithm>
#include <cstring>

namespace {

// Each folder name escaped on its own; a leading '/' (a path from the server's root) is kept.
std::string EscapePath(CURL* easy, const std::string& path)
{
    std::string out;
    size_t start = 0;
    if (!path.empty() && path[0] == '/') {
        out = "%2F";
        start = 1;
    }
    while (start <= path.size()) {
        const size_t end = std::min(path.find('/', start), path.size());
        char* part = curl_easy_escape(easy, path.data() + start, static_cast<int>(end - start));
        if (part) out += part;
        curl_free(part);
        if (end < path.size()) out += '/';
        start = end + 1;
    }
    return out;
}

struct UploadSource {
    const std::string* bytes;
    size_t offset;
};

size_t ReadUpload(char* buffer, size_t size, size_t count, void* source)
{
    auto* upload = static_cast<UploadSource*>(source);
    const size_t take = std::min(size * count, upload->bytes->size() - upload->offset);
    std::memcpy(buffer, upload->bytes->data() + upload->offset, take);
    upload->offset += take;
    return take;
}

class CFtpWriteFile : public CInternetFile {
public:
    CFtpWriteFile(CFtpConnection* connection, std::string path) : m_connection(connection), m_path(std::move(path)) {}
    ~CFtpWriteFile() override { Close(); }
    void Write(const void* buffer, UINT count) override
    {
        if (!m_connection || !buffer) {
            if (count > 0) m_writeFailed = TRUE;
            return;
        }
        m_bytes.append(static_cast<const char*>(buffer), count);
    }
    void Close() override
    {
        if (!m_connection) return;
        if (!m_connection->Run(m_path, nullptr, &m_bytes)) m_writeFailed = TRUE;
        m_connection = nullptr;
        m_bytes.clear();
    }

private:
    CFtpConnection* m_connection;
    std::string m_path;
    std::string m_bytes;
};

}

CFtpConnection* CFtpConnection::Connect(const char* agent, const char* server, const char* user,
                                        const char* password, INTERNET_PORT port, bool passive,
                                        const MvTransferLimits& limits)
{
    if (!MvIsServerName(server) || (user && !MvIsCommandText(user)) || (password && !MvIsCommandText(password)))
        return nullptr;
    CFtpConnection* connection = new CFtpConnection;
    connection->m_agent = agent ? agent : "";
    connection->m_server = server;
    connection->m_user = user ? user : "";
    connection->m_password = password ? password : "";
    connection->m_port = port == INTERNET_INVALID_PORT_NUMBER ? INTERNET_DEFAULT_FTP_PORT : port;
    connection->m_passive = passive;
    connection->m_transfer = std::make_unique<MvCurlTransfer>();
    connection->m_transfer->SetLimits(limits);
    if (!connection->Run("", nullptr, nullptr)) {
        delete connection;
        return nullptr;
    }
    return connection;
}

CFtpConnection::~CFtpConnection() { Close(); }

void CFtpConnection::Close() { m_transfer.reset(); }

bool CFtpConnection::Run(const std::string& path, const char* command, const std::string* upload)
{
    if (!m_transfer || !m_transfer->Easy()) return false;
    // One handle for every operation, so the logged-in control connection is reused.
    m_transfer->Reset();
    CURL* easy = m_transfer->Easy();
    std::string url = std::string("ftp://") + m_server.GetString() + ":" + std::to_string(m_port) + "/";
    url += EscapePath(easy, path);
    curl_easy_setopt(easy, CURLOPT_URL, url.c_str());
    curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "ftp");
    // A server that stops answering ends the operation instead of holding its thread.
    curl_easy_setopt(easy, CURLOPT_SERVER_RESPONSE_TIMEOUT, 30L);
    curl_easy_setopt(easy, CURLOPT_ACCEPTTIMEOUT_MS, 30000L);
    if (!m_user.IsEmpty()) {
        curl_easy_setopt(easy, CURLOPT_USERNAME, m_user.GetString());
        curl_easy_setopt(easy, CURLOPT_PASSWORD, m_password.GetString());
    }
    if (!m_passive) curl_easy_setopt(easy, CURLOPT_FTPPORT, "-");
    curl_slist* commands = nullptr;
    if (command) {
        commands = curl_slist_append(nullptr, command);
        // After the change into the path's folder, so relative names start there.
        curl_easy_setopt(easy, CURLOPT_POSTQUOTE, commands);
    }
    UploadSource source{upload, 0};
    if (upload) {
        curl_easy_setopt(easy, CURLOPT_UPLOAD, 1L);
        curl_easy_setopt(easy, CURLOPT_READFUNCTION, &ReadUpload);
        curl_easy_setopt(easy, CURLOPT_READDATA, &source);
        curl_easy_setopt(easy, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(upload->size()));
    } else {
        curl_easy_setopt(easy, CURLOPT_NOBODY, 1L);
    }
    const bool ok = m_transfer->Perform();
    curl_slist_free_all(commands);
    return ok;
}

CInternetFile* CFtpConnection::OpenFile(LPCTSTR name, DWORD access, DWORD, DWORD_PTR)
{
    if (!m_transfer || !name || !*name || !MvIsCommandText(name) || !(access & GENERIC_WRITE)) return nullptr;
    const std::string path(name);
    if (path.back() == '/') return nullptr;
    const size_t slash = path.rfind('/');
    // The folder must exist now, as a server refuses to store a file in a missing one.
    if (slash != std::string::npos && slash > 0 && !Run(path.substr(0, slash + 1), nullptr, nullptr)) return nullptr;
    return new CFtpWriteFile(this, path);
}

BOOL CFtpConnection::CreateDirectory(LPCTSTR name)
{
    if (!m_transfer || !name || !*name || !MvIsCommandText(name)) return FALSE;
    std::string path(name);
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    const size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    const std::string leaf = slash == std::string::npos ? path : path.substr(slash + 1);
    if (leaf.empty()) return FALSE;
    const std::string command = "MKD " + leaf;
    return Run(folder, command.c_str(), nullptr) ? TRUE : FALSE;
}
