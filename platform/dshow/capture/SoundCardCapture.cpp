#include "dshow/capture/SoundCardCapture.h"

#include "dshow/WideText.h"
#include "dshow/capture/AlsaCaptureMixer.h"
#include "dshow/capture/AvDevices.h"
#include "win32/audio/WaveFormat.h"

extern "C" {
#include <libavformat/avformat.h>
}

#include <string>

namespace {

std::vector<CMediaType> Formats()
{
    std::vector<CMediaType> formats;
    for (DWORD rate : {44100u, 48000u, 32000u, 22050u, 16000u, 11025u, 8000u})
        for (WORD channels : {2, 1}) {
            CMediaType type;
            MakePcmMediaType(type, rate, channels, 16);
            formats.push_back(type);
        }
    return formats;
}

} // namespace

CSoundCardCapture::CSoundCardCapture(const CaptureDevice& device)
    : CCaptureSource(CLSID_AudioCaptureSource, u"Capture", Formats()), m_path(device.path)
{
    // The card's capture lines, each an input pin whose mixer sets the card's.
    for (const AlsaCaptureLine& line : AlsaCaptureLines(m_path))
        AddLine(WideText(line.name), line.enabled, line.level, [path = m_path, name = line.name](bool enabled, double level) {
            return AlsaApplyCaptureLine(path, name, enabled, level);
        });
}

CSoundCardCapture::~CSoundCardCapture() { OnStop(); }

HRESULT CSoundCardCapture::Open(const AM_MEDIA_TYPE& format)
{
    Close();
    const WAVEFORMATEX* wave = PcmFormatOf(format);
    const AVInputFormat* alsa = MvAvDevicesReady() ? av_find_input_format("alsa") : nullptr;
    if (!wave || !alsa) return VFW_E_NOT_CONNECTED;
    AVDictionary* options = nullptr;
    av_dict_set(&options, "sample_rate", std::to_string(wave->nSamplesPerSec).c_str(), 0);
    av_dict_set(&options, "channels", std::to_string(wave->nChannels).c_str(), 0);
    const int opened = avformat_open_input(&m_input, m_path.c_str(), alsa, &options);
    av_dict_free(&options);
    if (opened < 0 || m_input->nb_streams < 1 || m_input->streams[0]->codecpar->codec_id != AV_CODEC_ID_PCM_S16LE)
        return E_FAIL;
    m_packet = av_packet_alloc();
    m_sample = 0;
    return m_packet ? S_OK : E_OUTOFMEMORY;
}

void CSoundCardCapture::Close()
{
    av_packet_free(&m_packet);
    if (m_input) avformat_close_input(&m_input);
}

HRESULT CSoundCardCapture::Capture(const AM_MEDIA_TYPE& format)
{
    const WAVEFORMATEX* wave = PcmFormatOf(format);
    if (!wave || !m_input) return S_FALSE;
    // A card that is removed ends the stream with what was captured so far.
    if (av_read_frame(m_input, m_packet) < 0) return Stopping() ? VFW_E_WRONG_STATE : Lost();
    const size_t whole = size_t(m_packet->size) / wave->nBlockAlign * wave->nBlockAlign;
    const REFERENCE_TIME start = m_sample * kUnitsPerSecond / wave->nSamplesPerSec;
    m_sample += int64_t(whole / wave->nBlockAlign);
    const REFERENCE_TIME stop = m_sample * kUnitsPerSecond / wave->nSamplesPerSec;
    const HRESULT hr = whole ? DeliverTimed(m_packet->data, whole, start, stop) : S_OK;
    av_packet_unref(m_packet);
    return hr;
}
