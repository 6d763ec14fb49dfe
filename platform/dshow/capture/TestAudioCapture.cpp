#include "dshow/capture/TestAudioCapture.h"

#include "dshow/capture/TestDevicePlug.h"
#include "win32/audio/WaveFormat.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr DWORD kRates[] = {44100, 48000, 32000, 22050, 16000, 11025, 8000};
constexpr WORD kChannels[] = {2, 1};
constexpr WORD kBits[] = {16, 8};
// A sound card hands over its buffer every 20 ms.
constexpr int64_t kBlocksPerSecond = 50;

std::vector<CMediaType> Formats()
{
    std::vector<CMediaType> formats;
    for (DWORD rate : kRates)
        for (WORD channels : kChannels)
            for (WORD bits : kBits) {
                CMediaType type;
                MakePcmMediaType(type, rate, channels, bits);
                formats.push_back(type);
            }
    return formats;
}

} // namespace

HRESULT CTestAudioCapture::Create(REFIID iid, void** object) { return CreateComObject<CTestAudioCapture>(iid, object); }

CTestAudioCapture::CTestAudioCapture()
    : CCaptureSource(CLSID_TestAudioCapture, u"Capture", Formats()), m_microphone(AddLine(u"Microphone", true, -1))
{
    AddLine(u"Line In", false, -1);
}

CTestAudioCapture::~CTestAudioCapture() { OnStop(); }

HRESULT CTestAudioCapture::Open(const AM_MEDIA_TYPE&)
{
    m_sample = 0;
    return S_OK;
}

HRESULT CTestAudioCapture::Capture(const AM_MEDIA_TYPE& format)
{
    const WAVEFORMATEX* wave = PcmFormatOf(format);
    if (!wave) return S_FALSE;
    const int64_t rate = wave->nSamplesPerSec;
    // Blocks of the size the pin was asked for, else of 20 ms.
    const LONG asked = SuggestedBufferBytes();
    const int64_t frames = std::clamp<int64_t>(asked ? asked / wave->nBlockAlign : rate / kBlocksPerSecond, 1, rate);
    const REFERENCE_TIME start = m_sample * kUnitsPerSecond / rate;
    const REFERENCE_TIME stop = (m_sample + frames) * kUnitsPerSecond / rate;
    // The block is there once its last sample has been heard.
    if (!WaitFor(stop)) return VFW_E_WRONG_STATE;
    if (!MvTestCaptureDevicesPlugged()) return Lost();
    const int bytes = wave->wBitsPerSample / 8;
    m_block.resize(size_t(frames) * wave->nBlockAlign);
    // Automatic gain keeps the tone at a quarter of full scale.
    const double level = m_microphone.Level();
    const double amplitude = !m_microphone.Enabled() ? 0 : level < 0 ? 0.25 : 0.5 * level;
    for (int64_t i = 0; i < frames; ++i) {
        const double value = amplitude * std::sin(2 * M_PI * 440.0 * double(m_sample + i) / double(rate));
        for (WORD c = 0; c < wave->nChannels; ++c) {
            BYTE* at = m_block.data() + size_t(i) * wave->nBlockAlign + size_t(c) * size_t(bytes);
            if (bytes == 1) {
                at[0] = BYTE(128 + std::lround(value * 127));
            } else {
                const auto v = int16_t(std::lround(value * 32767));
                at[0] = BYTE(v & 0xFF);
                at[1] = BYTE((v >> 8) & 0xFF);
            }
        }
    }
    m_sample += frames;
    return DeliverTimed(m_block.data(), m_block.size(), start, stop);
}
