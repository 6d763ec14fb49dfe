#pragma once
// A device that plays nothing but takes sound at the rate a real one would, so
// timing, pausing and positions behave as with speakers.
#include "sapi/AudioDevice.h"

#include <chrono>
#include <condition_variable>
#include <mutex>

class CPacedNullAudioDevice : public CAudioDevice {
public:
    explicit CPacedNullAudioDevice(uint32_t bufferMilliseconds = 100) : m_bufferMs(bufferMilliseconds) {}

    bool Open(const WAVEFORMATEX& format) override;
    bool Write(const uint8_t* data, size_t bytes) override;
    void Pause() override;
    void Resume() override;
    void Reset() override;
    uint64_t PlayedBytes() override;
    void Close() override;

private:
    using Clock = std::chrono::steady_clock;
    uint64_t PlayedLocked(Clock::time_point now) const;

    std::mutex m_lock;
    std::condition_variable m_changed;
    uint32_t m_bufferMs;
    uint64_t m_bytesPerSecond = 0;
    uint64_t m_written = 0;
    uint64_t m_playedBase = 0;     // played before the clock started
    Clock::time_point m_started{}; // when the device last started playing
    bool m_open = false;
    bool m_paused = false;
    uint64_t m_resets = 0;
};
