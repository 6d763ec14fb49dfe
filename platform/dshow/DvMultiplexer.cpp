#include "dshow/DvMultiplexer.h"

#include "dshow/BasePin.h"
#include "dshow/ByteOutput.h"
#include "dshow/DvFramePacker.h"
#include "dshow/formats/DvFormat.h"
#include "win32/audio/WaveFormat.h"

extern "C" {
#include <libavutil/channel_layout.h>
#include <libswresample/swresample.h>
}

#include <algorithm>

const CLSID CLSID_DvMux = {0x129D7E40, 0xC10D, 0x11D0, {0xAF, 0xB9, 0x00, 0xAA, 0x00, 0xB6, 0x7A, 0x42}};

namespace {

constexpr int kBytesPerSample = 4; // 16-bit stereo
// A late first sound is preceded by silence, at most this much.
constexpr REFERENCE_TIME kMostLeadingSilence = 10 * kUnitsPerSecond;

const WAVEFORMATEX* DvSoundFormat(const AM_MEDIA_TYPE& type)
{
    const WAVEFORMATEX* wave = PcmFormatOf(type);
    if (!wave || wave->wBitsPerSample != 16 || wave->nChannels != 2) return nullptr;
    return IsDvSoundRate(int(wave->nSamplesPerSec)) ? wave : nullptr;
}

} // namespace

HRESULT CDvMultiplexer::Create(REFIID iid, void** object) { return CreateComObject<CDvMultiplexer>(iid, object); }

CDvMultiplexer::CDvMultiplexer() : CBaseFilter(CLSID_DvMux), m_packer(std::make_unique<CDvFramePacker>())
{
    AddPin(PINDIR_INPUT, u"Video In");
    AddPin(PINDIR_INPUT, u"Audio In");
    AddPin(PINDIR_OUTPUT, u"Output");
}

CDvMultiplexer::~CDvMultiplexer() { Close(); }

const DvSystem* CDvMultiplexer::System() const
{
    return VideoIn()->IsConnected() ? ReadDvType(VideoIn()->MediaType(), false) : nullptr;
}

HRESULT CDvMultiplexer::CheckMediaType(CBasePin* pin, const AM_MEDIA_TYPE& type)
{
    if (pin == VideoIn()) return ReadDvType(type, false) ? S_OK : VFW_E_TYPE_NOT_ACCEPTED;
    if (pin == AudioIn()) return DvSoundFormat(type) ? S_OK : VFW_E_TYPE_NOT_ACCEPTED;
    const DvSystem* system = System();
    if (!system) return VFW_E_NOT_CONNECTED;
    return type.majortype == MEDIATYPE_Stream || ReadDvType(type, true) == system ? S_OK : VFW_E_TYPE_NOT_ACCEPTED;
}

HRESULT CDvMultiplexer::GetMediaType(CBasePin* pin, int index, CMediaType& type)
{
    const DvSystem* system = System();
    if (pin != Output() || !system || index < 0 || index > 1) return S_FALSE;
    if (index == 0) {
        MakeDvType(type, *system, true);
        return S_OK;
    }
    MakeByteStreamType(type);
    return S_OK;
}

HRESULT CDvMultiplexer::OnPause()
{
    if (State() != State_Stopped) return S_OK;
    std::lock_guard lock(m_lock);
    return Open();
}

HRESULT CDvMultiplexer::OnStop()
{
    std::lock_guard lock(m_lock);
    Close();
    return S_OK;
}

void CDvMultiplexer::Close()
{
    m_packer->Close();
    swr_free(&m_resampler);
    m_pictures.clear();
    m_sound.clear();
    m_system = nullptr;
}

HRESULT CDvMultiplexer::Open()
{
    Close();
    m_system = System();
    if (!m_system || !Output()->IsConnected()) return VFW_E_NOT_CONNECTED;
    m_soundRate = 0;
    if (const WAVEFORMATEX* wave = AudioIn()->IsConnected() ? DvSoundFormat(AudioIn()->MediaType()) : nullptr) {
        const int rate = int(wave->nSamplesPerSec);
        // The 525-line frames carry 48 kHz sound only: other rates are brought to it.
        m_soundRate = DvAudioSamples(*m_system, 0, rate) ? rate : 48000;
        if (m_soundRate != rate) {
            AVChannelLayout stereo = AV_CHANNEL_LAYOUT_STEREO;
            if (swr_alloc_set_opts2(&m_resampler, &stereo, AV_SAMPLE_FMT_S16, m_soundRate, &stereo,
                                    AV_SAMPLE_FMT_S16, rate, 0, nullptr) < 0
                || swr_init(m_resampler) < 0) {
                Close();
                return E_FAIL;
            }
        }
    }
    if (!m_packer->Open(*m_system, m_soundRate)) {
        Close();
        return E_FAIL;
    }
    m_frames = 0;
    m_soundStarted = false;
    m_videoEnded = false;
    m_audioEnded = false;
    m_finished = false;
    return S_OK;
}

void CDvMultiplexer::AddSound(const uint8_t* data, int size)
{
    if (!m_resampler) {
        m_sound.insert(m_sound.end(), data, data + size);
        return;
    }
    const int in = data ? size / kBytesPerSample : 0;
    const int room = swr_get_out_samples(m_resampler, in);
    if (room <= 0) return;
    const size_t at = m_sound.size();
    m_sound.resize(at + size_t(room) * kBytesPerSample);
    uint8_t* out = m_sound.data() + at;
    const int made = swr_convert(m_resampler, &out, room, data ? &data : nullptr, in);
    m_sound.resize(at + size_t(std::max(made, 0)) * kBytesPerSample);
}

HRESULT CDvMultiplexer::Assemble()
{
    const bool interleaved = Output()->MediaType().majortype != MEDIATYPE_Stream;
    while (!m_pictures.empty()) {
        const size_t need = size_t(m_soundRate ? DvAudioSamples(*m_system, m_frames, m_soundRate) : 0) * kBytesPerSample;
        if (m_sound.size() < need) {
            if (!m_audioEnded) break;
            m_sound.resize(need, 0); // the sound ended first: silence under the rest
        }
        const std::vector<uint8_t>* frame = m_packer->Pack(m_pictures.front().data(), m_sound.data(), int(need));
        if (!frame) return E_FAIL;
        m_pictures.pop_front();
        m_sound.erase(m_sound.begin(), m_sound.begin() + std::ptrdiff_t(need));
        MediaSample sample;
        sample.data = frame->data();
        sample.size = LONG(frame->size());
        sample.hasTime = true;
        sample.start = interleaved ? DvFrameStart(*m_system, m_frames) : m_frames * m_system->frameSize;
        sample.stop = interleaved ? DvFrameStart(*m_system, m_frames + 1) : sample.start + sample.size;
        ++m_frames;
        const HRESULT hr = Output()->Deliver(sample);
        if (hr != S_OK) return hr;
    }
    return S_OK;
}

HRESULT CDvMultiplexer::Receive(CBasePin* pin, const MediaSample& sample)
{
    std::lock_guard lock(m_lock);
    if (!m_system || m_finished) return VFW_E_WRONG_STATE;
    if (pin == VideoIn()) {
        if (m_videoEnded) return VFW_E_WRONG_STATE;
        if (!sample.data || sample.size != m_system->frameSize) return VFW_E_INVALIDMEDIATYPE;
        m_pictures.emplace_back(sample.data, sample.data + sample.size);
    } else if (pin == AudioIn() && m_soundRate && !m_audioEnded) {
        if (!sample.data || sample.size < 0 || sample.size % kBytesPerSample) return VFW_E_INVALIDMEDIATYPE;
        // Sound that starts after the picture is preceded by silence.
        if (!m_soundStarted && sample.hasTime && sample.start > 0 && sample.start <= kMostLeadingSilence)
            m_sound.resize(size_t(sample.start * m_soundRate / kUnitsPerSecond) * kBytesPerSample, 0);
        m_soundStarted = true;
        // Once the picture has ended no frame takes more sound.
        if (!m_videoEnded) AddSound(sample.data, sample.size);
    } else {
        return S_OK;
    }
    return Assemble();
}

HRESULT CDvMultiplexer::EndOfStream(CBasePin* pin)
{
    HRESULT hr = S_OK;
    {
        std::lock_guard lock(m_lock);
        if (!m_system || m_finished) return S_OK;
        if (pin == VideoIn()) m_videoEnded = true;
        if (pin == AudioIn() && !m_audioEnded) {
            if (m_resampler) AddSound(nullptr, 0);
            m_audioEnded = true;
        }
        hr = Assemble();
        const bool soundDone = !m_soundRate || m_audioEnded || !AudioIn()->IsConnected();
        if (SUCCEEDED(hr) && !(m_videoEnded && soundDone)) return S_OK;
        m_finished = true;
    }
    if (FAILED(hr)) {
        NotifyEvent(EC_ERRORABORT, hr, 0);
        return hr;
    }
    return Output()->DeliverEndOfStream();
}
