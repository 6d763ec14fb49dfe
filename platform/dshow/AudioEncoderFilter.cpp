#include "dshow/AudioEncoderFilter.h"

#include "dshow/AudioEncoding.h"
#include "dshow/BasePin.h"
#include "dshow/DeviceInterfaces.h"
#include "dshow/FilterRegistry.h"
#include "dshow/PcmConverterFilter.h"
#include "dshow/encoders/Mp3Encoder.h"
#include "dshow/formats/CodedWaveFormat.h"
#include "lame/Mp3Bitrates.h"
#include "win32/audio/WaveFormat.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/intreadwrite.h>
}

#include <algorithm>
#include <utility>

const CLSID CLSID_Mp3AudioEncoder = {0x75EB5D5D, 0x1B45, 0x4171, {0x9A, 0xF1, 0x23, 0x8E, 0x65, 0x02, 0xF2, 0xBB}};
const CLSID CLSID_VorbisAudioEncoder = {0x453C8931, 0xEDC4, 0x460F, {0x88, 0x88, 0xBC, 0x0E, 0xEA, 0x77, 0xFA, 0x4C}};
const CLSID CLSID_AacAudioEncoder = {0x19DFB310, 0xE968, 0x47AE, {0xA6, 0xA9, 0x67, 0x58, 0xCF, 0x76, 0xD2, 0xC9}};
const CLSID CLSID_WmaAudioEncoder = {0xAC9F047E, 0x4276, 0x4A48, {0x83, 0x50, 0x91, 0x4E, 0x2B, 0x08, 0xC7, 0xE8}};
const CLSID CLSID_FlacAudioEncoder = {0x705C11B6, 0x298B, 0x4572, {0x92, 0x05, 0x27, 0xCC, 0x4E, 0x2D, 0x80, 0x94}};
const CLSID CLSID_PcmAudioCompressor = {0x0C3B2A71, 0x5E43, 0x4D8A, {0xB6, 0x02, 0x7A, 0x91, 0x3E, 0x55, 0xC4, 0x18}};

namespace {

// Exactly the bitrates the MP3 encoder writes at the rate.
bool Mp3Writes(int64_t bitRate, DWORD rate, WORD) { return bitRate % 1000 == 0 && IsMp3Bitrate(rate, DWORD(bitRate / 1000)); }

const AudioEncoderKind kKinds[] = {
    {&CLSID_Mp3AudioEncoder, "MP3 Encoder", "libmp3lame",
     {128000, 8000, 16000, 24000, 32000, 40000, 48000, 56000, 64000, 80000, 96000, 112000, 144000, 160000, 192000,
      224000, 256000, 320000},
     2, false, &Mp3Writes},
    {&CLSID_VorbisAudioEncoder, "Vorbis Encoder", "libvorbis",
     {128000, 32000, 48000, 64000, 80000, 96000, 112000, 160000, 192000, 256000}, 2,
     true},
    {&CLSID_AacAudioEncoder, "AAC Encoder", "aac", {128000, 64000, 96000, 160000, 192000, 256000}, 2, true},
    {&CLSID_WmaAudioEncoder, "WMA Encoder", "wmav2", {128000, 64000, 96000, 160000, 192000}, 2, true},
    {&CLSID_FlacAudioEncoder, "FLAC Encoder", "flac", {}, 8, true},
};

constexpr DWORD kListedRates[] = {8000, 11025, 16000, 22050, 32000, 44100, 48000};
constexpr WORD kListedBits = 16;

// A bitrate the codec writes at that rate and channel count.
bool Reachable(const AudioEncoderKind& kind, int64_t bitRate, DWORD rate, WORD channels)
{
    return kind.writes ? kind.writes(bitRate, rate, channels) : bitRate <= int64_t(rate) * channels * 4;
}

template <size_t N>
HRESULT CreateKind(REFIID iid, void** object)
{
    if (kKinds[N].clsid == &CLSID_Mp3AudioEncoder) return CreateComObject<CMp3Encoder>(iid, object, kKinds[N]);
    return CreateComObject<CAudioStreamEncoder>(iid, object, kKinds[N]);
}

template <size_t... I>
void RegisterAll(std::index_sequence<I...>)
{
    (DShowRegisterFilter(*kKinds[I].clsid, kKinds[I].name, FilterRole::Other, 0, &CreateKind<I>,
                         kKinds[I].listed ? CLSID_AudioCompressorCategory : GUID_NULL),
     ...);
}

} // namespace

void DShowRegisterAudioEncoders()
{
    // The plain PCM compressor comes first: it retimes PCM and changes its format.
    DShowRegisterFilter(CLSID_PcmAudioCompressor, "PCM", FilterRole::Other, 0, &CPcmConverterFilter::CreateCompressor,
                        CLSID_AudioCompressorCategory);
    RegisterAll(std::make_index_sequence<std::size(kKinds)>());
}

CAudioStreamEncoder::CAudioStreamEncoder(const AudioEncoderKind& kind)
    : CBaseFilter(*kind.clsid), m_kind(kind), m_encoding(std::make_unique<CAudioEncoding>())
{
    AddPin(PINDIR_INPUT, u"Audio In");
    AddPin(PINDIR_OUTPUT, u"Audio Out");
}

CAudioStreamEncoder::~CAudioStreamEncoder() = default;

int64_t CAudioStreamEncoder::ChosenBitRate() const { return m_bitRate; }

HRESULT CAudioStreamEncoder::Open()
{
    const WAVEFORMATEX* wave = PcmFormatOf(PinAt(0)->MediaType());
    if (!wave) return VFW_E_NOT_CONNECTED;
    // Set-up data goes into the output type, where every container finds it.
    return m_encoding->Open(m_kind.encoder, ChosenBitRate(), m_kind.maxChannels, *wave, true);
}

bool CAudioStreamEncoder::MakeOutputType(CMediaType& type, int64_t bitRate)
{
    const WAVEFORMATEX* wave = PcmFormatOf(PinAt(0)->MediaType());
    if (!wave) return false;
    auto found = m_setup.find(bitRate);
    if (found == m_setup.end()) {
        // Opening the encoder is the only way to learn its set-up data; done once a bitrate.
        OutputSetup setup;
        CAudioEncoding probe;
        if (SUCCEEDED(probe.Open(m_kind.encoder, bitRate, m_kind.maxChannels, *wave, true))) {
            const AVCodecContext* codec = probe.Codec();
            int size = std::clamp(codec->extradata_size, 0, 0xFFFF - int(sizeof(WAVEFORMATEX)));
            setup.opened = true;
            setup.codecId = int(codec->codec_id);
            setup.sampleRate = DWORD(codec->sample_rate);
            setup.channels = WORD(codec->ch_layout.nb_channels);
            setup.blockAlign = WORD(std::max(1, codec->block_align));
            setup.bitRate = DWORD(std::clamp<int64_t>(codec->bit_rate, 0, INT32_MAX));
            setup.extra.assign(codec->extradata, codec->extradata + size);
        }
        found = m_setup.emplace(bitRate, std::move(setup)).first;
    }
    const OutputSetup& setup = found->second;
    if (!setup.opened) return false;
    CodedWaveFormat format;
    format.codecId = setup.codecId;
    format.sampleRate = setup.sampleRate;
    format.channels = setup.channels;
    format.bitsPerSample = wave->wBitsPerSample;
    format.bitRate = DWORD(bitRate ? bitRate : setup.bitRate ? setup.bitRate : setup.sampleRate * setup.channels * wave->wBitsPerSample);
    format.blockAlign = setup.blockAlign;
    format.extra = setup.extra.data();
    format.extraSize = WORD(setup.extra.size());
    return MakeCodedWaveType(type, format);
}

bool CAudioStreamEncoder::MakeListedType(CMediaType& type, int index) const
{
    const AVCodec* codec = avcodec_find_encoder_by_name(m_kind.encoder);
    if (!codec || index < 0) return false;
    std::vector<int64_t> rates = m_kind.bitRates;
    if (rates.empty()) rates.push_back(0);
    for (DWORD rate : kListedRates) {
        bool supported = !codec->supported_samplerates;
        for (const int* r = codec->supported_samplerates; r && *r; ++r) supported |= DWORD(*r) == rate;
        if (!supported) continue;
        for (WORD channels = 2; channels >= 1; --channels) {
            for (int64_t bitRate : rates) {
                if (bitRate && !Reachable(m_kind, bitRate, rate, channels)) continue;
                if (index-- > 0) continue;
                CodedWaveFormat format;
                format.codecId = int(codec->id);
                format.sampleRate = rate;
                format.channels = channels;
                format.bitsPerSample = kListedBits;
                format.bitRate = DWORD(bitRate ? bitRate : int64_t(rate) * channels * kListedBits);
                format.blockAlign = 1;
                return MakeCodedWaveType(type, format);
            }
        }
    }
    return false;
}

HRESULT CAudioStreamEncoder::CheckMediaType(CBasePin* pin, const AM_MEDIA_TYPE& type)
{
    if (pin->Direction() == PINDIR_INPUT) return PcmFormatOf(type) ? S_OK : VFW_E_TYPE_NOT_ACCEPTED;
    CodedWaveFormat wanted;
    if (!ReadCodedWaveType(type, wanted)) return VFW_E_TYPE_NOT_ACCEPTED;
    // Any type the pin offers, whatever set-up data the caller copied with it.
    for (int i = 0;; ++i) {
        CMediaType offered;
        if (GetMediaType(pin, i, offered) != S_OK) return VFW_E_TYPE_NOT_ACCEPTED;
        CodedWaveFormat own;
        if (ReadCodedWaveType(offered, own) && own.codecId == wanted.codecId && own.sampleRate == wanted.sampleRate
            && own.channels == wanted.channels && own.bitRate == wanted.bitRate)
            return S_OK;
    }
}

HRESULT CAudioStreamEncoder::GetMediaType(CBasePin* pin, int index, CMediaType& type)
{
    if (pin->Direction() != PINDIR_OUTPUT || index < 0) return S_FALSE;
    if (!PinAt(0)->IsConnected()) return MakeListedType(type, index) ? S_OK : S_FALSE;
    const WAVEFORMATEX* wave = PcmFormatOf(PinAt(0)->MediaType());
    if (!wave) return S_FALSE;
    // The bitrates the input allows, the default (or the highest below it) first; the
    // encoder's own choice only for an input none of them suits.
    const WORD channels = std::min<WORD>(wave->nChannels, WORD(m_kind.maxChannels));
    std::vector<int64_t> rates;
    for (int64_t bitRate : m_kind.bitRates)
        if (Reachable(m_kind, bitRate, wave->nSamplesPerSec, channels)) rates.push_back(bitRate);
    if (!rates.empty()) {
        int64_t preferred = m_kind.bitRates.front();
        auto best = std::find(rates.begin(), rates.end(), preferred);
        if (best == rates.end()) best = std::max_element(rates.begin(), rates.end());
        std::rotate(rates.begin(), best, best + 1);
    }
    bool any = false;
    for (int64_t bitRate : rates) {
        CMediaType candidate;
        if (!MakeOutputType(candidate, bitRate)) continue;
        any = true;
        if (index-- > 0) continue;
        type = candidate;
        return S_OK;
    }
    if (any || index != 0) return S_FALSE;
    return MakeOutputType(type, 0) ? S_OK : S_FALSE;
}

HRESULT CAudioStreamEncoder::CompleteConnect(CBasePin* pin, IPin*)
{
    if (pin->Direction() == PINDIR_INPUT) {
        m_setup.clear();
        // Until the output chooses, the first bitrate the input allows.
        CMediaType first;
        CodedWaveFormat format;
        m_bitRate = GetMediaType(PinAt(1), 0, first) == S_OK && ReadCodedWaveType(first, format) ? format.bitRate : 0;
        if (std::find(m_kind.bitRates.begin(), m_kind.bitRates.end(), int64_t(m_bitRate)) == m_kind.bitRates.end())
            m_bitRate = 0;
    } else {
        CodedWaveFormat format;
        if (!ReadCodedWaveType(pin->MediaType(), format)) return VFW_E_TYPE_NOT_ACCEPTED;
        // The bitrate of the offered type it was connected with (0: the encoder's own choice).
        m_bitRate = 0;
        for (int64_t bitRate : m_kind.bitRates)
            if (bitRate == format.bitRate) m_bitRate = bitRate;
    }
    std::lock_guard lock(m_streamLock);
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
    size_t skipSize = 0;
    if (const uint8_t* skip = av_packet_get_side_data(&packet, AV_PKT_DATA_SKIP_SAMPLES, &skipSize); skip && skipSize >= 8) {
        out.skipStart = LONG(std::min<uint32_t>(AV_RL32(skip), INT32_MAX));
        out.skipEnd = LONG(std::min<uint32_t>(AV_RL32(skip + 4), INT32_MAX));
    }
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
