#include "dshow/sources/TestToneSource.h"

#include "dshow/BasePin.h"
#include "dshow/sources/SourceIds.h"
#include "win32/audio/WaveFormat.h"

#include <cmath>
#include <vector>

namespace {

constexpr DWORD kRates[] = {44100, 48000, 32000, 22050, 16000, 11025, 8000};
constexpr WORD kChannels[] = {2, 1};
constexpr WORD kBits[] = {16, 8};
constexpr int kTypes = int(std::size(kRates) * std::size(kChannels) * std::size(kBits));
constexpr REFERENCE_TIME kLength = 10 * kUnitsPerSecond;
constexpr int64_t kBlockFrames = 1024;

} // namespace

HRESULT CTestToneSource::Create(REFIID iid, void** object) { return CreateComObject<CTestToneSource>(iid, object); }

CTestToneSource::CTestToneSource() : CPushSource(CLSID_AudioTestSource) { AddPin(PINDIR_OUTPUT, u"Audio"); }

CTestToneSource::~CTestToneSource() { OnStop(); }

HRESULT CTestToneSource::GetMediaType(CBasePin*, int index, CMediaType& type)
{
    if (index < 0 || index >= kTypes) return S_FALSE;
    WORD bits = kBits[index % std::size(kBits)];
    index /= int(std::size(kBits));
    WORD channels = kChannels[index % std::size(kChannels)];
    index /= int(std::size(kChannels));
    MakePcmMediaType(type, kRates[index], channels, bits);
    return S_OK;
}

HRESULT CTestToneSource::CheckMediaType(CBasePin* pin, const AM_MEDIA_TYPE& type)
{
    const WAVEFORMATEX* wanted = PcmFormatOf(type);
    for (int i = 0; wanted && i < kTypes; ++i) {
        CMediaType own;
        GetMediaType(pin, i, own);
        const WAVEFORMATEX* offered = PcmFormatOf(own);
        if (offered->nSamplesPerSec == wanted->nSamplesPerSec && offered->nChannels == wanted->nChannels
            && offered->wBitsPerSample == wanted->wBitsPerSample)
            return S_OK;
    }
    return VFW_E_TYPE_NOT_ACCEPTED;
}

HRESULT CTestToneSource::SeekTo(REFERENCE_TIME position)
{
    const WAVEFORMATEX* wave = PcmFormatOf(PinAt(0)->MediaType());
    m_sample = wave ? position * wave->nSamplesPerSec / kUnitsPerSecond : 0;
    return S_OK;
}

REFERENCE_TIME CTestToneSource::MediaDuration() { return kLength; }

HRESULT CTestToneSource::ProduceNext()
{
    const WAVEFORMATEX* wave = PcmFormatOf(PinAt(0)->MediaType());
    if (!wave || !PinAt(0)->IsConnected()) return S_FALSE;
    const int64_t total = kLength * wave->nSamplesPerSec / kUnitsPerSecond;
    REFERENCE_TIME start = m_sample * kUnitsPerSecond / wave->nSamplesPerSec;
    if (m_sample >= total || PastStop(start)) return S_FALSE;
    int64_t frames = std::min(kBlockFrames, total - m_sample);
    std::vector<BYTE> block(size_t(frames) * wave->nBlockAlign);
    for (int64_t i = 0; i < frames; ++i) {
        double value = 0.25 * std::sin(2 * M_PI * 440.0 * double(m_sample + i) / wave->nSamplesPerSec);
        for (WORD c = 0; c < wave->nChannels; ++c) {
            BYTE* at = block.data() + size_t(i) * wave->nBlockAlign + size_t(c) * (wave->wBitsPerSample / 8);
            if (wave->wBitsPerSample == 8) {
                at[0] = BYTE(128 + std::lround(value * 127));
            } else {
                auto v = int16_t(std::lround(value * 32767));
                at[0] = BYTE(v & 0xFF);
                at[1] = BYTE((v >> 8) & 0xFF);
            }
        }
    }
    MediaSample sample;
    sample.data = block.data();
    sample.size = LONG(block.size());
    sample.hasTime = true;
    sample.start = start;
    m_sample += frames;
    sample.stop = m_sample * kUnitsPerSecond / wave->nSamplesPerSec;
    SetReached(sample.start);
    HRESULT hr = PinAt(0)->Deliver(sample);
    return hr == S_FALSE ? S_FALSE : hr;
}
