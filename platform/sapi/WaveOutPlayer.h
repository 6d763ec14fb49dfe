#pragma once
// Plays PCM through the wave-out device in blocks. Write blocks while more than a
// short buffer is queued, so the writer is paced by playback; the played position
// advances as the device reports blocks done.
#include "win32/audio/WaveOut.h"

#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

class CWaveOutPlayer {
public:
    explicit CWaveOutPlayer(uint32_t bufferMilliseconds = 120) : m_bufferMs(bufferMilliseconds) {}
    CWaveOutPlayer(const CWaveOutPlayer&) = delete;
    CWaveOutPlayer& operator=(const CWaveOutPlayer&) = delete;
    ~CWaveOutPlayer();

    bool Open(const WAVEFORMATEX& format);
    bool Write(const uint8_t* data, size_t bytes);
    void Pause();
    void Resume();
    // Drops what is queued; a Write waiting for room returns.
    void Reset();
    uint64_t PlayedBytes();
    void Close();

private:
    struct Block {
        WAVEHDR header{};
        std::vector<char> data;
        bool done = false;
    };
    static void OnDeviceMessage(HWAVEOUT device, UINT message, DWORD_PTR instance, DWORD_PTR param1, DWORD_PTR param2);
    void FreeDoneBlocks();

    std::mutex m_lock;
    std::condition_variable m_changed;
    uint32_t m_bufferMs;
    HWAVEOUT m_device = nullptr;
    uint64_t m_bufferBytes = 0;
    uint64_t m_queuedBytes = 0;
    uint64_t m_playedBytes = 0;
    uint64_t m_resets = 0;
    std::vector<std::unique_ptr<Block>> m_blocks;
};
