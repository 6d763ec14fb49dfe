// Any bytes as a web server's answer (status line, header lines, body), sent by a loopback
// server: the status, length, lines and blocks read from it stay within their bounds, and
// the exchange ends when the server closes. The first byte chooses how the body is read.
#include "afx/internet/CHttpFile.h"
#include "afx/internet/CInternetSession.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <condition_variable>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr uint64_t kMaxBytes = 64 * 1024;

// Answers each connection with the bytes it was given last, then closes it.
class AnswerServer {
public:
    AnswerServer()
    {
        m_listen = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (m_listen < 0 || bind(m_listen, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
            listen(m_listen, 8) != 0 || getsockname(m_listen, reinterpret_cast<sockaddr*>(&address), &length) != 0)
            std::abort();
        m_port = ntohs(address.sin_port);
        std::thread([this] { Serve(); }).detach();
    }
    void SetAnswer(std::string answer)
    {
        std::lock_guard<std::mutex> lock(m_lock);
        m_answer = std::move(answer);
    }
    int Port() const { return m_port; }

private:
    void Serve()
    {
        for (;;) {
            const int client = accept4(m_listen, nullptr, nullptr, SOCK_CLOEXEC);
            if (client < 0) continue;
            // The request head, so that the answer does not meet a connection reset.
            std::string request;
            char buffer[4096];
            while (request.find("\r\n\r\n") == std::string::npos && request.size() < 65536) {
                const ssize_t n = recv(client, buffer, sizeof buffer, 0);
                if (n <= 0) break;
                request.append(buffer, static_cast<size_t>(n));
            }
            std::string answer;
            {
                std::lock_guard<std::mutex> lock(m_lock);
                answer = m_answer;
            }
            for (size_t sent = 0; sent < answer.size();) {
                const ssize_t n = send(client, answer.data() + sent, answer.size() - sent, MSG_NOSIGNAL);
                if (n <= 0) break;
                sent += static_cast<size_t>(n);
            }
            shutdown(client, SHUT_WR);
            while (recv(client, buffer, sizeof buffer, 0) > 0) {
            }
            close(client);
        }
    }

    int m_listen = -1;
    int m_port = 0;
    std::mutex m_lock;
    std::string m_answer;
};

void Require(bool condition)
{
    if (!condition) std::abort();
}

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static AnswerServer server;
    if (size == 0) return 0;
    const uint8_t mode = data[0];
    server.SetAnswer(std::string(reinterpret_cast<const char*>(data) + 1, size - 1));

    CInternetSession session("fuzz");
    MvTransferLimits limits;
    limits.timeLimitMs = 5000;
    limits.maxBytes = kMaxBytes;
    session.SetLimits(limits);
    const std::string url = "http://127.0.0.1:" + std::to_string(server.Port()) + "/answer";
    std::unique_ptr<CHttpFile> file(session.OpenURL(url.c_str()));
    if (!file) return 0;
    DWORD status = 0;
    if (file->QueryInfoStatusCode(status)) Require(status > 0 && status < 1000);
    DWORD length = 0;
    file->QueryInfo(HTTP_QUERY_CONTENT_LENGTH | HTTP_QUERY_FLAG_NUMBER, length);

    uint64_t total = 0;
    if (mode & 1) {
        CString line;
        while (file->ReadString(line)) {
            Require(static_cast<UINT>(line.GetLength()) <= CInternetFile::kMaxLine);
            total += static_cast<uint64_t>(line.GetLength());
            Require(total <= kMaxBytes);
        }
    } else {
        std::vector<char> block(static_cast<size_t>(mode) * 64 + 1);
        for (;;) {
            const UINT n = file->Read(block.data(), static_cast<UINT>(block.size()));
            Require(n <= block.size());
            total += n;
            Require(total <= kMaxBytes);
            if (n < block.size()) break;
        }
    }
    file->Close();
    return 0;
}
