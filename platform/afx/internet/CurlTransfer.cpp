#include "afx/internet/CurlTransfer.h"

#include <curl/curl.h>

#include <algorithm>
#include <cstring>
#include <mutex>

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
    curl_easy_setopt(m_easy, CURLOPT_CONNECTTIMEOUT, 30L);
    // A stalled server ends the transfer instead of blocking its thread for good.
    curl_easy_setopt(m_easy, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(m_easy, CURLOPT_LOW_SPEED_TIME, 60L);
    curl_easy_setopt(m_easy, CURLOPT_WRITEFUNCTION, &MvCurlTransfer::OnData);
    curl_easy_setopt(m_easy, CURLOPT_WRITEDATA, this);
}

void MvCurlTransfer::Reset()
{
    if (m_multi && m_easy && m_started) curl_multi_remove_handle(m_multi, m_easy);
    if (m_easy) curl_easy_reset(m_easy);
    SetCommonOptions();
    m_buffer.clear();
    m_offset = 0;
    m_started = m_paused = m_done = false;
    m_result = 0;
}

MvCurlTransfer::~MvCurlTransfer()
{
    if (m_multi && m_easy && m_started) curl_multi_remove_handle(m_multi, m_easy);
    if (m_easy) curl_easy_cleanup(m_easy);
    if (m_multi) curl_multi_cleanup(m_multi);
}

size_t MvCurlTransfer::OnData(char* data, size_t size, size_t count, void* self)
{
    auto* transfer = static_cast<MvCurlTransfer*>(self);
    if (transfer->Available() >= kMaxBuffered) {
        transfer->m_paused = true;
        return CURL_WRITEFUNC_PAUSE;
    }
    if (transfer->m_offset > 0 && transfer->m_offset >= transfer->m_buffer.size() / 2) {
        transfer->m_buffer.erase(0, transfer->m_offset);
        transfer->m_offset = 0;
    }
    transfer->m_buffer.append(data, size * count);
    return size * count;
}

void MvCurlTransfer::Pump()
{
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
    if (!m_done && !m_paused) curl_multi_poll(m_multi, nullptr, 0, 100, nullptr);
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
