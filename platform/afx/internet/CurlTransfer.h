#pragma once
// One libcurl transfer driven step by step, so that an answer can be read as a stream:
// the caller waits for the answer's head, then reads the body in the sizes it asks for.
// At most kMaxBuffered bytes wait in memory; beyond that the transfer is paused.
// Every https peer's certificate chain and name are checked; MORVANE_CA_FILE names a file
// of authorities to trust instead of the system's.
#include "afx/internet/TransferLimits.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

class MvTransferWatch;

class MvCurlTransfer {
public:
    static constexpr size_t kMaxBuffered = 256 * 1024;

    MvCurlTransfer();
    ~MvCurlTransfer();
    MvCurlTransfer(const MvCurlTransfer&) = delete;
    MvCurlTransfer& operator=(const MvCurlTransfer&) = delete;

    // Makes the handle ready for another transfer; the connections it holds and the limits stay.
    void Reset();
    // Applies to the transfers started after it.
    void SetLimits(const MvTransferLimits& limits);
    // The easy handle (CURL*) to set options on before Start.
    void* Easy() const { return m_easy; }
    // Starts the transfer and waits until the first body bytes or the end arrive.
    // False when the transfer failed before any answer.
    bool Start();
    // Blocks until count bytes are in or the transfer ends; the number of bytes copied.
    size_t Read(void* buffer, size_t count);
    // The next line without its end (LF or CR LF), at most maxLength bytes of it;
    // false when nothing is left.
    bool ReadLine(std::string& line, size_t maxLength);
    // Runs the transfer to its end without reading a body (uploads, commands); true on success.
    bool Perform();

    bool Succeeded() const { return m_done && m_result == 0; }
    long Status() const;
    // -1 when the answer gave none.
    int64_t ContentLength() const;

    // Global libcurl set-up, once per process.
    static void Initialise();

private:
    void SetCommonOptions();
    // libcurl's callbacks, with its own types.
    struct Callbacks;
    friend struct Callbacks;
    // One round of the transfer; waits a little for the socket when nothing is pending.
    void Pump();
    void Resume();
    size_t Available() const { return m_buffer.size() - m_offset; }
    // Ends every wait on the open sockets at once; any thread.
    void ShutDownSockets();

    void* m_easy = nullptr;
    void* m_multi = nullptr;
    std::string m_buffer;
    size_t m_offset = 0;
    bool m_started = false;
    bool m_paused = false;
    bool m_done = false;
    int m_result = 0;
    uint64_t m_received = 0;
    MvTransferLimits m_limits;
    // Open sockets, shut down before the handles go so that no goodbye waits on a server,
    // and when the limits' stop says so while libcurl waits for a reply inside a call.
    std::vector<int> m_sockets;
    std::mutex m_socketLock;
    std::unique_ptr<MvTransferWatch> m_watch;
};
