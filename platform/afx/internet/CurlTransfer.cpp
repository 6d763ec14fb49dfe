#include "afx/internet/CurlTransfer.h"
#include "afx/internet/TransferWatch.h"

#include <curl/curl.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <sys/socket.h>
#include <unistd.h>

namespace {
constexpr int kPollMs = 100;
}

struct MvCurlTransfer::Callbacks {
    static size_t OnData(char* data, size_t size, size_t count, void* self)
    {
        auto* transfer = static_cast<MvCurlTransfer*>(self);
        if (transfer->Available() >= kMaxBuffered) {
            transfer->m_paused = true;
            return CURL_WRITEFUNC_PAUSE;
        }
        size_t take = size * count;
        const uint64_t max = transfer->m_limits.maxBytes;
        // An answer longer than allowed keeps what fits and ends the transfer.
        if (max > 0 && transfer->m_received + take > max) take = static_cast<size_t>(max - transfer->m_received);
        if (transfer->m_offset > 0 && transfer->m_offset >= transfer->m_buffer.size() / 2) {
            transfer->m_buffer.erase(0, transfer->m_offset);
            transfer->m_offset = 0;
        }
        transfer->m_buffer.append(data, take);
        transfer->m_received += take;
        return take;
    }

    static curl_socket_t OnOpenSocket(void* self, curlsocktype, curl_sockaddr* address)
    {
        auto* transfer = static_cast<MvCurlTransfer*>(self);
        std::lock_guard<std::mutex> lock(transfer->m_socketLock);
        const int fd = socket(address->family, address->socktype | SOCK_CLOEXEC, address->protocol);
        if (fd >= 0) transfer->m_sockets.push_back(fd);
        return fd >= 0 ? fd : CURL_SOCKET_BAD;
    }

    static int OnCloseSocket(void* self, curl_socket_t fd)
    {
        auto* transfer = static_cast<MvCurlTransfer*>(self);
        // Closed under the lock, so a shutdown never meets a number already reused.
        std::lock_guard<std::mutex> lock(transfer->m_socketLock);
        auto& sockets = transfer->m_sockets;
        sockets.erase(std::remove(sockets.begin(), sockets.end(), fd), sockets.end());
        return close(fd);
    }
};

void MvCurlTransfer::Initialise()
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

MvCurlTransfer::MvCurlTransfer()
{
    Initialise();
    m_easy = curl_easy_init();
    m_multi = curl_multi_init();
    SetCommonOptions();
}

void MvCurlTransfer::SetCommonOptions()
{
    if (!m_easy) return;
    curl_easy_setopt(m_easy, CURLOPT_NOSIGNAL, 1L);
    // A name lookup still running is left behind rather than waited for.
    curl_easy_setopt(m_easy, CURLOPT_QUICK_EXIT, 1L);
    curl_easy_setopt(m_easy, CURLOPT_CONNECTTIMEOUT, 30L);
    // A stalled server ends the transfer instead of blocking its thread for good.
    curl_easy_setopt(m_easy, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(m_easy, CURLOPT_LOW_SPEED_TIME, 60L);
    if (m_limits.timeLimitMs > 0) curl_easy_setopt(m_easy, CURLOPT_TIMEOUT_MS, static_cast<long>(m_limits.timeLimitMs));
    // An answer is only worth reading from the server it claims to come from.
    curl_easy_setopt(m_easy, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(m_easy, CURLOPT_SSL_VERIFYHOST, 2L);
    if (const char* authorities = std::getenv("MORVANE_CA_FILE"); authorities && *authorities)
        curl_easy_setopt(m_easy, CURLOPT_CAINFO, authorities);
    curl_easy_setopt(m_easy, CURLOPT_WRITEFUNCTION, &Callbacks::OnData);
    curl_easy_setopt(m_easy, CURLOPT_WRITEDATA, this);
    curl_easy_setopt(m_easy, CURLOPT_OPENSOCKETFUNCTION, &Callbacks::OnOpenSocket);
    curl_easy_setopt(m_easy, CURLOPT_OPENSOCKETDATA, this);
    curl_easy_setopt(m_easy, CURLOPT_CLOSESOCKETFUNCTION, &Callbacks::OnCloseSocket);
    curl_easy_setopt(m_easy, CURLOPT_CLOSESOCKETDATA, this);
}

void MvCurlTransfer::SetLimits(const MvTransferLimits& limits)
{
    m_limits = limits;
    if (m_easy)
        curl_easy_setopt(m_easy, CURLOPT_TIMEOUT_MS,
                         m_limits.timeLimitMs > 0 ? static_cast<long>(m_limits.timeLimitMs) : 0L);
}

void MvCurlTransfer::Reset()
{
    m_watch.reset();
    if (m_multi && m_easy && m_started) curl_multi_remove_handle(m_multi, m_easy);
    if (m_easy) curl_easy_reset(m_easy);
    SetCommonOptions();
    m_buffer.clear();
    m_offset = 0;
    m_received = 0;
    m_started = m_paused = m_done = false;
    m_result = 0;
}

MvCurlTransfer::~MvCurlTransfer()
{
    m_watch.reset();
    // Closing a connection may say goodbye and wait for the answer (FTP's QUIT): with its
    // socket shut down that ends at once, whatever the server does.
    ShutDownSockets();
    if (m_multi && m_easy && m_started) curl_multi_remove_handle(m_multi, m_easy);
    if (m_easy) curl_easy_cleanup(m_easy);
    if (m_multi) curl_multi_cleanup(m_multi);
}

void MvCurlTransfer::ShutDownSockets()
{
    std::lock_guard<std::mutex> lock(m_socketLock);
    for (int fd : m_sockets) shutdown(fd, SHUT_RDWR);
}

void MvCurlTransfer::Pump()
{
    if (m_limits.stop && m_limits.stop()) {
        m_done = true;
        m_result = CURLE_ABORTED_BY_CALLBACK;
        return;
    }
    int running = 0;
    curl_multi_perform(m_multi, &running);
    int left = 0;
    while (CURLMsg* message = curl_multi_info_read(m_multi, &left)) {
        if (message->msg == CURLMSG_DONE && message->easy_handle == m_easy) {
            m_done = true;
            m_result = message->data.result;
        }
    }
    if (!m_done && running == 0) {
        // Nothing runs and no end was reported: treat as a failed transfer.
        m_done = true;
        m_result = CURLE_RECV_ERROR;
    }
    if (m_done) m_watch.reset();
    if (!m_done && !m_paused) curl_multi_poll(m_multi, nullptr, 0, kPollMs, nullptr);
}

void MvCurlTransfer::Resume()
{
    if (!m_paused) return;
    m_paused = false;
    curl_easy_pause(m_easy, CURLPAUSE_CONT);
}

bool MvCurlTransfer::Start()
{
    if (!m_easy || !m_multi || m_started) return false;
    if (curl_multi_add_handle(m_multi, m_easy) != CURLM_OK) return false;
    m_started = true;
    // An FTP upload waits for the server's final reply inside one libcurl call: stopping
    // there takes its sockets away.
    if (m_limits.stop) m_watch = std::make_unique<MvTransferWatch>(m_limits.stop, [this] { ShutDownSockets(); });
    while (!m_done && Available() == 0) Pump();
    return !(m_done && m_result != 0 && Available() == 0 && Status() == 0);
}

bool MvCurlTransfer::Perform()
{
    if (!Start()) return false;
    while (!m_done) {
        m_offset = m_buffer.size();
        Resume();
        Pump();
    }
    return Succeeded();
}

size_t MvCurlTransfer::Read(void* buffer, size_t count)
{
    if (!m_started || !buffer) return 0;
    size_t copied = 0;
    auto* out = static_cast<char*>(buffer);
    while (copied < count) {
        const size_t take = std::min(count - copied, Available());
        if (take > 0) {
            std::memcpy(out + copied, m_buffer.data() + m_offset, take);
            m_offset += take;
            copied += take;
            continue;
        }
        if (m_done) break;
        Resume();
        Pump();
    }
    return copied;
}

bool MvCurlTransfer::ReadLine(std::string& line, size_t maxLength)
{
    line.clear();
    if (!m_started) return false;
    bool any = false;
    for (;;) {
        if (Available() == 0) {
            if (m_done) break;
            Resume();
            Pump();
            continue;
        }
        const char c = m_buffer[m_offset++];
        any = true;
        if (c == '\n') break;
        if (line.size() < maxLength) line.push_back(c);
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return any;
}

long MvCurlTransfer::Status() const
{
    long status = 0;
    if (m_easy) curl_easy_getinfo(m_easy, CURLINFO_RESPONSE_CODE, &status);
    return status;
}

int64_t MvCurlTransfer::ContentLength() const
{
    curl_off_t length = -1;
    if (!m_easy || curl_easy_getinfo(m_easy, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &length) != CURLE_OK) return -1;
    return length;
}
