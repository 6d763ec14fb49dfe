#include "dshow/PcmConverterFilter.h"

#include "dshow/AudioConverter.h"
#include "dshow/AudioEncoderFilter.h"
#include "dshow/BasePin.h"
#include "dshow/CodecFormat.h"
#include "dshow/PcmOutput.h"
#include "dshow/PcmSample.h"
#include "win32/audio/WaveFormat.h"

const CLSID CLSID_AudioResampler = {0xCABE88D5, 0x0002, 0x467C, {0x8B, 0x4D, 0xA7, 0x9B, 0x09, 0x63, 0xFF, 0x5D}};
const CLSID CLSID_AudioRechanneler = {0xB7860F7B, 0x659A, 0x462F, {0x97, 0xEA, 0xE6, 0x89, 0xDE, 0x7A, 0x54, 0xFB}};

namespace {

constexpr DWORD kRates[] = {8000, 11025, 12000, 16000, 22050, 24000, 32000, 44100, 48000};
constexpr WORD kChannels[] = {2, 1};
constexpr WORD kBits[] = {16, 8, 24, 32};
constexpr int kOffered = int(std::size(kRates) * std::size(kChannels) * std::size(kBits));

int SampleFormat(const WAVEFORMATEX& wave) { return PcmSampleFormatOfDepth(wave.wBitsPerSample); }

} // namespace

CPcmConverterFilter::CPcmConverterFilter(REFCLSID clsid, const char16_t* input, const char16_t* output)
    : CBaseFilter(clsid), m_converter(std::make_unique<CAudioConverter>())
{
    AddPin(PINDIR_INPUT, input);
    AddPin(PINDIR_OUTPUT, output);
}

HRESULT CPcmConverterFilter::CreateCompressor(REFIID iid, void** object)
{
    return CreateComObject<CPcmConverterFilter>(iid, object, CLSID_PcmAudioCompressor, u"Input", u"Output");
}

CPcmConverterFilter::~CPcmConverterFilter() = default;

HRESULT CPcmConverterFilter::CheckMediaType(CBasePin* pin, const AM_MEDIA_TYPE& type)
{
    if (!PcmFormatOf(type)) return VFW_E_TYPE_NOT_ACCEPTED;
    // The output is typed once the input is known.
    if (pin->Direction() == PINDIR_OUTPUT && !PinAt(0)->IsConnected()) return VFW_E_TYPE_NOT_ACCEPTED;
    return S_OK;
}

HRESULT CPcmConverterFilter::GetMediaType(CBasePin* pin, int index, CMediaType& type)
{
    if (pin->Direction() != PINDIR_OUTPUT || !PinAt(0)->IsConnected() || index < 0 || index > kOffered) return S_FALSE;
    if (index == 0) {
        type = PinAt(0)->MediaType();
        return S_OK;
    }
    int i = index - 1;
    WORD bits = kBits[i % std::size(kBits)];
    i /= int(std::size(kBits));
    WORD channels = kChannels[i % std::size(kChannels)];
    i /= int(std::size(kChannels));
    MakePcmMediaType(type, kRates[i], channels, bits);
    return S_OK;
}

HRESULT CPcmConverterFilter::OnPause()
{
    if (State() != State_Stopped) return S_OK;
    const WAVEFORMATEX* in = PcmFormatOf(PinAt(0)->MediaType());
    const WAVEFORMATEX* out = PcmFormatOf(PinAt(1)->MediaType());
    if (!in || !out) return VFW_E_NOT_CONNECTED;
    std::lock_guard lock(m_streamLock);
    m_inFrameBytes = in->nBlockAlign;
    m_outBytesPerSample = out->wBitsPerSample / 8;
    m_timeKnown = false;
    m_next = 0;
    bool opened = m_converter->Open(int(in->nSamplesPerSec), in->nChannels, SampleFormat(*in),
                                    int(out->nSamplesPerSec), out->nChannels, SampleFormat(*out));
    return opened ? S_OK : E_FAIL;
}

HRESULT CPcmConverterFilter::Receive(CBasePin*, const MediaSample& sample)
{
    std::lock_guard lock(m_streamLock);
    if (!m_converter->IsOpen()) return VFW_E_WRONG_STATE;
    if (!m_timeKnown && sample.hasTime) {
        m_next = sample.start;
        m_timeKnown = true;
    }
    const uint8_t* planes[1] = {sample.data};
    if (sample.size > 0 && !m_converter->Push(planes, sample.size / m_inFrameBytes)) return E_FAIL;
    return DeliverPcm(*m_converter, m_outBytesPerSample, PinAt(1), m_next, false);
}

HRESULT CPcmConverterFilter::EndOfStream(CBasePin*)
{
    {
        std::lock_guard lock(m_streamLock);
        if (m_converter->IsOpen() && m_converter->Push(nullptr, 0))
            DeliverPcm(*m_converter, m_outBytesPerSample, PinAt(1), m_next, true);
    }
    return PinAt(1)->IsConnected() ? PinAt(1)->DeliverEndOfStream() : S_OK;
}
