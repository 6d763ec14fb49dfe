#include "win32/audio/WaveSink.h"

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace {

using Clock = std::chrono::steady_clock;

class NullSink : public MvWaveSink {
public:
    explicit NullSink(DWORD bytesPerSecond) : m_bytesPerSecond(bytesPerSecond ? bytesPerSecond : 1) {}

    void Play(const char*, size_t size, const std::atomic<bool>& stop) override
    {
        // The deadline runs on from the last block so that the rate holds over many blocks.
        auto now = Clock::now();
        if (m_deadline < now) m_deadline = now;
        m_deadline += std::chrono::microseconds(static_cast<int64_t>(size) * 1000000 / m_bytesPerSecond);
        std::unique_lock<std::mutex> lock(m_lock);
        m_wake.wait_until(lock, m_deadline, [&] { return stop.load(); });
    }

    void Drop() override { m_deadline = Clock::now(); }

    void Interrupt() override
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_wake.notify_all();
    }

private:
    int64_t m_bytesPerSecond;
    Clock::time_point m_deadline{};
    std::mutex m_lock;
    std::condition_variable m_wake;
};

}

std::unique_ptr<MvWaveSink> MvOpenNullSink(const WAVEFORMATEX& format)
{
    return std::make_unique<NullSink>(format.nAvgBytesPerSec);
}
