#include "dshow/AudioEncoderFilter.h"

#include "dshow/AudioEncoding.h"
#include "dshow/BasePin.h"
#include "dshow/CodecFormat.h"
#include "dshow/DeviceInterfaces.h"
#include "dshow/FilterRegistry.h"
#include "win32/WaveFormat.h"

extern "C" {
#include <libavcodec/avcodec.h>
}

#include <algorithm>
#include <cstring>
#include <utility>

const CLSID CLSID_Mp3AudioEncoder = {0xD0911CC8, 0x5EED, 0x4C30, {0x83, 0x22, 0x8E, 0xEF, 0xAB, 0x5E, 0x9E, 0xF7}};
const CLSID CLSID_VorbisAudioEncoder = {0x453C8931, 0xEDC4, 0x460F, {0x88, 0x88, 0xBC, 0x0E, 0xEA, 0x77, 0xFA, 0x4C}};
const CLSID CLSID_AacAudioEncoder = {0x19DFB310, 0xE968, 0x47AE, {0xA6, 0xA9, 0x67, 0x58, 0xCF, 0x76, 0xD2, 0xC9}};
const CLSID CLSID_WmaAudioEncoder = {0xAC9F047E, 0x4276, 0x4A48, {0x83, 0x50, 0x91, 0x4E, 0x2B, 0x08, 0xC7, 0xE8}};
const CLSID CLSID_FlacAudioEncoder = {0x705C11B6, 0x298B, 0x4572, {0x92, 0x05, 0x27, 0xCC, 0x4E, 0x2D, 0x80, 0x94}};

namespace {

const AudioEncoderKind kKinds[] = {
    {&CLSID_Mp3AudioEncoder, "MP3 Encoder", "libmp3lame", 128000, 2},
    {&CLSID_VorbisAudioEncoder, "Vorbis Encoder", "libvorbis", 0, 2},
    {&CLSID_AacAudioEncoder, "AAC Encoder", "aac", 128000, 2},
    {&CLSID_WmaAudioEncoder, "WMA Encoder", "wmav2", 128000, 2},
    {&CLSID_FlacAudioEncoder, "FLAC Encoder", "flac", 0, 8},
};

template <size_t N>
HRESULT CreateKind(REFIID iid, void** object)
{
    return CreateComObject<CAudioStreamEncoder>(iid, object, kKinds[N]);
}

template <size_t... I>
void RegisterAll(std::index_sequence<I...>)
{
    (DShowRegisterFilter(*kKinds[I].clsid, kKinds[I].name, FilterRole::Other, 0, &CreateKind<I>,
                         CLSID_AudioCompressorCategory),
     ...);
}

} // namespace

void DShowRegisterAudioEncoders() { RegisterAll(std::make_index_sequence<std::size(kKinds)>()); }

CAudioStreamEncoder::CAudioStreamEncoder(const AudioEncoderKind& kind)
    : CBaseFilter(*kind.clsid), m_kind(kind), m_encoding(std::make_unique<CAudioEncoding>())
{
    AddPin(PINDIR_INPUT, u"Audio In");
    AddPin(PINDIR_OUTPUT, u"Audio Out");
}

CAudioStreamEncoder::~CAudioStreamEncoder() = default;

HRESULT CAudioStreamEncoder::Open()
{
    const WAVEFORMATEX* wave = PcmFormatOf(PinAt(0)->MediaType());
    if (!wave) return VFW_E_NOT_CONNECTED;
    // Set-up data goes into the output type, where every container finds it.
    return m_encoding->Open(m_kind.encoder, m_kind.bitRate, m_kind.maxChannels, *wave, true);
}

HRESULT CAudioStreamEncoder::CheckMediaType(CBasePin* pin, const AM_MEDIA_TYPE& type)
{
    if (pin->Direction() == PINDIR_INPUT) return PcmFormatOf(type) ? S_OK : VFW_E_TYPE_NOT_ACCEPTED;
    return CheckOfferedType(pin, type);
}

HRESULT CAudioStreamEncoder::GetMediaType(CBasePin* pin, int index, CMediaType& type)
{
    AVCodecContext* codec = m_encoding->Codec();
    if (pin->Direction() != PINDIR_OUTPUT || index != 0 || !codec) return S_FALSE;
    if (codec->extradata_size < 0 || DWORD(codec->extradata_size) > kMaxCodecExtra) return S_FALSE;
    type.SetType(MEDIATYPE_Audio);
    type.SetSubtype(MEDIASUBTYPE_Coded);
    type.SetFormatType(FORMAT_CodecParams);
    type.SetVariableSize();
    BYTE* block = type.AllocFormatBuffer(ULONG(sizeof(CODECFORMAT) + codec->extradata_size));
    if (!block) return E_OUTOFMEMORY;
    CODECFORMAT format{};
    format.codecId = DWORD(codec->codec_id);
    format.sampleRate = DWORD(codec->sample_rate);
    format.channels = DWORD(codec->ch_layout.nb_channels);
    format.blockAlign = DWORD(std::max(0, codec->block_align));
    format.bitRate = DWORD(std::clamp<int64_t>(codec->bit_rate, 0, INT32_MAX));
    format.frameSize = DWORD(std::max(0, codec->frame_size));
    format.extraSize = DWORD(codec->extradata_size);
    std::memcpy(block, &format, sizeof format);
    if (codec->extradata_size) std::memcpy(block + sizeof format, codec->extradata, size_t(codec->extradata_size));
    return S_OK;
}

HRESULT CAudioStreamEncoder::CompleteConnect(CBasePin* pin, IPin*)
{
    if (pin->Direction() != PINDIR_INPUT) return S_OK;
    return SUCCEEDED(Open()) ? S_OK : VFW_E_TYPE_NOT_ACCEPTED;
}

void CAudioStreamEncoder::BreakConnect(CBasePin* pin)
{
    if (pin->Direction() == PINDIR_INPUT) m_encoding->Close();
}

HRESULT CAudioStreamEncoder::OnPause()
{
    // A run after a finished one starts the encoder afresh.
    if (State() != State_Stopped || !PinAt(0)->IsConnected()) return S_OK;
    std::lock_guard lock(m_streamLock);
    return Open();
}

HRESULT CAudioStreamEncoder::DeliverPacket(AVPacket& packet)
{
    const AVRational base = m_encoding->Codec()->time_base, units{1, int(kUnitsPerSecond)};
    MediaSample out;
    out.data = packet.data;
    out.size = packet.size;
    out.hasTime = packet.pts != AV_NOPTS_VALUE;
    out.start = av_rescale_q(packet.pts, base, units);
    out.stop = out.start + av_rescale_q(packet.duration, base, units);
    HRESULT hr = PinAt(1)->Deliver(out);
    return hr == VFW_E_NOT_CONNECTED ? S_OK : hr;
}

HRESULT CAudioStreamEncoder::Receive(CBasePin*, const MediaSample& sample)
{
    std::lock_guard lock(m_streamLock);
    if (!m_encoding->IsOpen()) return VFW_E_WRONG_STATE;
    return m_encoding->Push(sample.data, sample.size, [this](AVPacket& p) { return DeliverPacket(p); });
}

HRESULT CAudioStreamEncoder::EndOfStream(CBasePin*)
{
    HRESULT hr;
    {
        std::lock_guard lock(m_streamLock);
        hr = m_encoding->Finish([this](AVPacket& p) { return DeliverPacket(p); });
    }
    if (FAILED(hr) && hr != VFW_E_WRONG_STATE) NotifyEvent(EC_ERRORABORT, hr, 0);
    return PinAt(1)->IsConnected() ? PinAt(1)->DeliverEndOfStream() : S_OK;
}
