#include "afx/internet/TransferWatch.h"

#include <chrono>

MvTransferWatch::MvTransferWatch(std::function<bool()> stop, std::function<void()> onStop)
    : m_stop(std::move(stop)), m_onStop(std::move(onStop)), m_thread([this] { Run(); })
{
}

MvTransferWatch::~MvTransferWatch()
{
    {
        std::lock_guard<std::mutex> lock(m_lock);
        m_ending = true;
    }
    m_wake.notify_all();
    m_thread.join();
}

void MvTransferWatch::Run()
{
    std::unique_lock<std::mutex> lock(m_lock);
    while (!m_ending) {
        if (m_stop()) {
            lock.unlock();
            m_onStop();
            return;
        }
        m_wake.wait_for(lock, std::chrono::milliseconds(100), [this] { return m_ending; });
    }
}
