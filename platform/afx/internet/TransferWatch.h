#pragma once
// Watches a transfer from a thread of its own: libcurl may wait inside one call for a
// server's final reply, where no stop test of the transfer's own thread is reached. Every
// tenth of a second the watch asks stop; once it says so, the watch runs onStop and ends.
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

class MvTransferWatch {
public:
    MvTransferWatch(std::function<bool()> stop, std::function<void()> onStop);
    // Returns once the watch's thread has ended.
    ~MvTransferWatch();
    MvTransferWatch(const MvTransferWatch&) = delete;
    MvTransferWatch& operator=(const MvTransferWatch&) = delete;

private:
    void Run();

    std::function<bool()> m_stop;
    std::function<void()> m_onStop;
    std::mutex m_lock;
    std::condition_variable m_wake;
    bool m_ending = false;
    std::thread m_thread;
};
