#include "sapi/WaveOutPlayer.h"

#include <algorithm>
#include <cstring>

CWaveOutPlayer::~CWaveOutPlayer()
{
    Close();
}

bool CWaveOutPlayer::Open(const WAVEFORMATEX& format)
{
    Close();
    HWAVEOUT device = nullptr;
    if (waveOutOpen(&device, WAVE_MAPPER, &format, reinterpret_cast<DWORD_PTR>(&OnDeviceMessage),
                    reinterpret_cast<DWORD_PTR>(this), CALLBACK_FUNCTION) != MMSYSERR_NOERROR)
        return false;
    std::lock_guard<std::mutex> guard(m_lock);
    m_device = device;
    m_bufferBytes = std::max<uint64_t>(format.nBlockAlign, uint64_t(format.nAvgBytesPerSec) * m_bufferMs / 1000);
    m_queuedBytes = m_playedBytes = 0;
    return true;
}

void CWaveOutPlayer::OnDeviceMessage(HWAVEOUT, UINT message, DWORD_PTR instance, DWORD_PTR param1, DWORD_PTR)
{
    if (message != WOM_DONE || !param1) return;
    auto* self = reinterpret_cast<CWaveOutPlayer*>(instance);
    auto* header = reinterpret_cast<WAVEHDR*>(param1);
    std::lock_guard<std::mutex> guard(self->m_lock);
    auto* block = reinterpret_cast<Block*>(header->dwUser);
    if (block->done) return;
    block->done = true;
    self->m_queuedBytes -= std::min<uint64_t>(self->m_queuedBytes, header->dwBufferLength);
    self->m_playedBytes += header->dwBufferLength;
    self->m_changed.notify_all();
}

void CWaveOutPlayer::FreeDoneBlocks()
{
    std::vector<std::unique_ptr<Block>> done;
    {
        std::lock_guard<std::mutex> guard(m_lock);
        auto split = std::stable_partition(m_blocks.begin(), m_blocks.end(), [](const auto& b) { return !b->done; });
        for (auto it = split; it != m_blocks.end(); ++it) done.push_back(std::move(*it));
        m_blocks.erase(split, m_blocks.end());
    }
    for (auto& block : done) waveOutUnprepareHeader(m_device, &block->header, sizeof(WAVEHDR));
}

bool CWaveOutPlayer::Write(const uint8_t* data, size_t bytes)
{
    if (!m_device) return false;
    FreeDoneBlocks();
    auto block = std::make_unique<Block>();
    block->data.assign(reinterpret_cast<const char*>(data), reinterpret_cast<const char*>(data) + bytes);
    block->header.lpData = block->data.data();
    block->header.dwBufferLength = static_cast<DWORD>(bytes);
    block->header.dwUser = reinterpret_cast<DWORD_PTR>(block.get());
    Block* raw = block.get();
    {
        std::unique_lock<std::mutex> guard(m_lock);
        uint64_t resets = m_resets;
        // Wait for room behind what is still queued; a reset drops this write.
        m_changed.wait(guard, [&] { return m_resets != resets || m_queuedBytes == 0 || m_queuedBytes + bytes <= m_bufferBytes; });
        if (m_resets != resets) return true;
        m_queuedBytes += bytes;
        m_blocks.push_back(std::move(block));
    }
    if (waveOutPrepareHeader(m_device, &raw->header, sizeof(WAVEHDR)) != MMSYSERR_NOERROR ||
        waveOutWrite(m_device, &raw->header, sizeof(WAVEHDR)) != MMSYSERR_NOERROR) {
        std::lock_guard<std::mutex> guard(m_lock);
        raw->done = true;
        m_queuedBytes -= std::min<uint64_t>(m_queuedBytes, bytes);
        return false;
    }
    return true;
}

void CWaveOutPlayer::Pause()
{
    if (m_device) waveOutPause(m_device);
}

void CWaveOutPlayer::Resume()
{
    if (m_device) waveOutRestart(m_device);
}

void CWaveOutPlayer::Reset()
{
    if (!m_device) return;
    waveOutReset(m_device); // reports every queued block done
    std::lock_guard<std::mutex> guard(m_lock);
    ++m_resets;
    m_queuedBytes = 0;
    m_changed.notify_all();
}

uint64_t CWaveOutPlayer::PlayedBytes()
{
    std::lock_guard<std::mutex> guard(m_lock);
    return m_playedBytes;
}

void CWaveOutPlayer::Close()
{
    if (!m_device) return;
    Reset();
    FreeDoneBlocks();
    waveOutClose(m_device);
    std::lock_guard<std::mutex> guard(m_lock);
    m_device = nullptr;
    m_blocks.clear();
}
