#include "sapi/PacedNullAudioDevice.h"

#include "win32/WaveFormat.h"

#include <algorithm>

bool CPacedNullAudioDevice::Open(const WAVEFORMATEX& format)
{
    std::lock_guard<std::mutex> guard(m_lock);
    if (!format.nAvgBytesPerSec) return false;
    m_bytesPerSecond = format.nAvgBytesPerSec;
    m_written = m_playedBase = 0;
    m_started = Clock::now();
    m_open = true;
    m_paused = false;
    return true;
}

uint64_t CPacedNullAudioDevice::PlayedLocked(Clock::time_point now) const
{
    if (m_paused || !m_open) return std::min(m_playedBase, m_written);
    auto elapsed = std::chrono::duration_cast<std::chrono::microseconds>(now - m_started).count();
    uint64_t played = m_playedBase + static_cast<uint64_t>(elapsed) * m_bytesPerSecond / 1000000;
    return std::min(played, m_written);
}

bool CPacedNullAudioDevice::Write(const uint8_t*, size_t bytes)
{
    std::unique_lock<std::mutex> guard(m_lock);
    if (!m_open) return false;
    uint64_t resets = m_resets;
    uint64_t buffer = m_bytesPerSecond * m_bufferMs / 1000;
    // Wait until the new data fits into the buffer behind what is still playing.
    for (;;) {
        if (m_resets != resets || !m_open) return true; // dropped by a reset
        Clock::time_point now = Clock::now();
        uint64_t played = PlayedLocked(now);
        if (played == m_written) {
            // The device ran dry: playing resumes from now.
            m_playedBase = played;
            m_started = now;
        }
        if (m_written + bytes <= played + buffer || m_written == played) break;
        uint64_t excess = m_written + bytes - (played + buffer);
        auto wait = std::chrono::microseconds(excess * 1000000 / m_bytesPerSecond + 1000);
        if (m_paused) wait = std::chrono::milliseconds(20);
        m_changed.wait_for(guard, std::min<Clock::duration>(wait, std::chrono::milliseconds(20)));
    }
    m_written += bytes;
    return true;
}

void CPacedNullAudioDevice::Pause()
{
    std::lock_guard<std::mutex> guard(m_lock);
    if (m_paused) return;
    m_playedBase = PlayedLocked(Clock::now());
    m_paused = true;
}

void CPacedNullAudioDevice::Resume()
{
    std::lock_guard<std::mutex> guard(m_lock);
    if (!m_paused) return;
    m_paused = false;
    m_started = Clock::now();
    m_changed.notify_all();
}

void CPacedNullAudioDevice::Reset()
{
    std::lock_guard<std::mutex> guard(m_lock);
    m_written = m_playedBase = PlayedLocked(Clock::now());
    m_started = Clock::now();
    ++m_resets;
    m_changed.notify_all();
}

uint64_t CPacedNullAudioDevice::PlayedBytes()
{
    std::lock_guard<std::mutex> guard(m_lock);
    return PlayedLocked(Clock::now());
}

void CPacedNullAudioDevice::Close()
{
    std::lock_guard<std::mutex> guard(m_lock);
    m_open = false;
    m_changed.notify_all();
}
