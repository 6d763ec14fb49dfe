#include "dshow/AudioRenderer.h"

#include "dshow/BasePin.h"
#include "dshow/CodecFormat.h"
#include "dshow/PcmSample.h"
#include "win32/audio/WaveOut.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

const CLSID CLSID_AudioRender = {0x79376820, 0x07D0, 0x11CF, {0xA2, 0x4D, 0x00, 0x20, 0xAF, 0xD7, 0x97, 0x67}};

namespace {

// Blocks queued on the device before the streaming thread waits.
constexpr size_t kQueuedBlocks = 4;

void CALLBACK_Done(HWAVEOUT, UINT message, DWORD_PTR instance, DWORD_PTR param1, DWORD_PTR)
{
    if (message == WOM_DONE) reinterpret_cast<CAudioRenderer*>(instance)->BlockDone(reinterpret_cast<WAVEHDR*>(param1));
}

HWAVEOUT Device(void* device) { return static_cast<HWAVEOUT>(device); }

} // namespace

struct CAudioRenderer::Block {
    WAVEHDR header{};
    std::vector<char> data;
    bool done = false;
};

HRESULT CAudioRenderer::Create(REFIID iid, void** object) { return CreateComObject<CAudioRenderer>(iid, object); }

CAudioRenderer::CAudioRenderer() : CSinkFilter(CLSID_AudioRender) { AddPin(PINDIR_INPUT, u"Audio Input pin (rendered)"); }

CAudioRenderer::~CAudioRenderer() { CloseDevice(); }

void* CAudioRenderer::FindInterface(REFIID iid)
{
    if (iid == IBasicAudio::kIid) return static_cast<IBasicAudio*>(this);
    return nullptr;
}

HRESULT CAudioRenderer::put_Volume(LONG volume)
{
    if (volume < -10000 || volume > 0) return E_INVALIDARG;
    m_volume = volume;
    return S_OK;
}

HRESULT CAudioRenderer::get_Volume(LONG* volume)
{
    if (!volume) return E_POINTER;
    *volume = m_volume;
    return S_OK;
}

HRESULT CAudioRenderer::put_Balance(LONG balance)
{
    if (balance < -10000 || balance > 10000) return E_INVALIDARG;
    m_balance = balance;
    return S_OK;
}

HRESULT CAudioRenderer::get_Balance(LONG* balance)
{
    if (!balance) return E_POINTER;
    *balance = m_balance;
    return S_OK;
}

HRESULT CAudioRenderer::CheckMediaType(CBasePin*, const AM_MEDIA_TYPE& type)
{
    // The sound device plays mono and stereo at the usual rates.
    const WAVEFORMATEX* wave = PcmFormatOf(type);
    bool ok = wave && wave->nChannels <= 2 && wave->nSamplesPerSec >= 1000 && wave->nSamplesPerSec <= 192000;
    return ok ? S_OK : VFW_E_TYPE_NOT_ACCEPTED;
}

HRESULT CAudioRenderer::OnPause()
{
    if (m_device) return waveOutPause(Device(m_device)) == MMSYSERR_NOERROR ? S_OK : E_FAIL;
    const auto* wave = MediaFormatAs<WAVEFORMATEX>(PinAt(0)->MediaType(), FORMAT_WaveFormatEx);
    if (!wave) return VFW_E_NOT_CONNECTED;
    {
        std::lock_guard lock(m_queueLock);
        m_stopping = false;
    }
    HWAVEOUT device = nullptr;
    if (waveOutOpen(&device, WAVE_MAPPER, wave, reinterpret_cast<DWORD_PTR>(&CALLBACK_Done),
                    reinterpret_cast<DWORD_PTR>(this), CALLBACK_FUNCTION)
        != MMSYSERR_NOERROR)
        return E_FAIL;
    m_device = device;
    // Paused: blocks queue up but do not play until the graph runs.
    waveOutPause(device);
    return S_OK;
}

HRESULT CAudioRenderer::OnRun()
{
    return m_device && waveOutRestart(Device(m_device)) == MMSYSERR_NOERROR ? S_OK : E_FAIL;
}

HRESULT CAudioRenderer::OnStop()
{
    CloseDevice();
    return CSinkFilter::OnStop();
}

void CAudioRenderer::CloseDevice()
{
    {
        std::lock_guard lock(m_queueLock);
        m_stopping = true;
        m_changed.notify_all();
    }
    if (!m_device) return;
    waveOutReset(Device(m_device));
    {
        std::lock_guard lock(m_queueLock);
        for (auto& block : m_blocks) waveOutUnprepareHeader(Device(m_device), &block->header, sizeof(WAVEHDR));
        m_blocks.clear();
    }
    waveOutClose(Device(m_device));
    m_device = nullptr;
}

void CAudioRenderer::BlockDone(WAVEHDR* header)
{
    std::lock_guard lock(m_queueLock);
    for (auto& block : m_blocks)
        if (&block->header == header) block->done = true;
    m_changed.notify_all();
}

HRESULT CAudioRenderer::Receive(CBasePin* pin, const MediaSample& sample)
{
    const auto* wave = MediaFormatAs<WAVEFORMATEX>(pin->MediaType(), FORMAT_WaveFormatEx);
    if (!wave || sample.size <= 0) return S_OK;
    auto block = std::make_unique<Block>();
    block->data.assign(sample.data, sample.data + sample.size);
    LONG volume = m_volume, balance = m_balance;
    if (volume < 0 || balance != 0) {
        // Volume and balance as gains in decibels on each channel.
        double gain = std::pow(10.0, volume / 2000.0);
        double left = gain * (balance > 0 ? std::pow(10.0, -balance / 2000.0) : 1.0);
        double right = gain * (balance < 0 ? std::pow(10.0, balance / 2000.0) : 1.0);
        if (wave->nChannels != 2) left = right = gain;
        ScalePcm(reinterpret_cast<uint8_t*>(block->data.data()), block->data.size(), wave->wBitsPerSample,
                 wave->nChannels, left, right);
    }
    block->header.lpData = block->data.data();
    block->header.dwBufferLength = DWORD(block->data.size());

    std::unique_lock lock(m_queueLock);
    auto playedOut = [this] {
        while (!m_blocks.empty() && m_blocks.front()->done) {
            waveOutUnprepareHeader(Device(m_device), &m_blocks.front()->header, sizeof(WAVEHDR));
            m_blocks.pop_front();
        }
        return m_stopping || m_blocks.size() < kQueuedBlocks;
    };
    m_changed.wait(lock, playedOut);
    if (m_stopping || !m_device) return VFW_E_WRONG_STATE;
    if (waveOutPrepareHeader(Device(m_device), &block->header, sizeof(WAVEHDR)) != MMSYSERR_NOERROR) return E_FAIL;
    m_blocks.push_back(std::move(block));
    WAVEHDR* header = &m_blocks.back()->header;
    lock.unlock();
    return waveOutWrite(Device(m_device), header, sizeof(WAVEHDR)) == MMSYSERR_NOERROR ? S_OK : E_FAIL;
}

HRESULT CAudioRenderer::EndOfStream(CBasePin* pin)
{
    {
        // Complete only once everything queued has played.
        std::unique_lock lock(m_queueLock);
        m_changed.wait(lock, [this] {
            return m_stopping || std::all_of(m_blocks.begin(), m_blocks.end(), [](auto& b) { return b->done; });
        });
        if (m_stopping) return S_OK;
    }
    return CSinkFilter::EndOfStream(pin);
}
