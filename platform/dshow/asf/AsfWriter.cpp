#include "dshow/asf/AsfWriter.h"

#include "dshow/BasePin.h"
#include "dshow/VideoInfo.h"
#include "dshow/WideText.h"
#include "win32/audio/WaveFormat.h"

#include <cstdio>
#include <cstdlib>
#include <memory>


namespace {

// The streams are coded by the writer itself: the kind names only the container.
const FileWriterKind kAsfKind = {&CLSID_WmAsfWriter, "WM ASF Writer", "asf", nullptr, nullptr, 0, 2};

template <class I>
struct Releaser {
    void operator()(I* p) const { p->Release(); }
};
template <class I>
using Held = std::unique_ptr<I, Releaser<I>>;

// The encoding settings a stream's vault holds: quality when its bit rate is variable.
int VaultQuality(IWMStreamConfig* config)
{
    IWMPropertyVault* raw = nullptr;
    if (FAILED(QueryInterfaceTo(config, &raw)) || !raw) return 0;
    Held<IWMPropertyVault> vault(raw);
    WMT_ATTR_DATATYPE type{};
    DWORD value = 0, size = sizeof value;
    if (FAILED(vault->GetPropertyByName(g_wszVBREnabled, &type, reinterpret_cast<BYTE*>(&value), &size)) || !value)
        return 0;
    size = sizeof value;
    if (FAILED(vault->GetPropertyByName(g_wszVBRQuality, &type, reinterpret_cast<BYTE*>(&value), &size))) return 0;
    return value < 1 ? 1 : value > 99 ? 99 : int(value);
}

} // namespace

HRESULT CAsfWriter::Create(REFIID iid, void** object) { return CreateComObject<CAsfWriter>(iid, object); }

// Until a profile is given: CD-quality audio and 320 x 240 video.
CAsfWriter::CAsfWriter() : CMediaFileWriter(kAsfKind, false)
{
    SStream audio;
    audio.encoder = "wmav2";
    audio.bitrate = 128000;
    audio.sampleRate = 44100;
    audio.channels = 2;
    SStream video;
    video.video = true;
    video.encoder = "wmv2";
    video.bitrate = 250000;
    video.width = 320;
    video.height = 240;
    video.frameTime = 333667;
    m_streams = {audio, video};
    MakePins();
}

CAsfWriter::~CAsfWriter() { SafeRelease(m_profile); }

void* CAsfWriter::FindInterface(REFIID iid)
{
    if (iid == IConfigAsfWriter::kIid) return static_cast<IConfigAsfWriter*>(this);
    if (iid == IWMHeaderInfo::kIid) return static_cast<IWMHeaderInfo*>(this);
    return CMediaFileWriter::FindInterface(iid);
}

void CAsfWriter::MakePins()
{
    RemovePins();
    int audio = 0, video = 0;
    for (const SStream& s : m_streams) {
        char name[32];
        std::snprintf(name, sizeof name, s.video ? "Video Input %02d" : "Audio Input %02d", s.video ? ++video : ++audio);
        AddPin(PINDIR_INPUT, WideText(name));
    }
}

bool CAsfWriter::ReadStream(IWMStreamConfig* config, SStream& stream)
{
    GUID type{};
    IWMMediaProps* raw = nullptr;
    if (FAILED(config->GetStreamType(&type)) || FAILED(config->GetBitrate(&stream.bitrate)) ||
        FAILED(QueryInterfaceTo(config, &raw)) || !raw)
        return false;
    Held<IWMMediaProps> props(raw);
    DWORD size = 0;
    if (FAILED(props->GetMediaType(nullptr, &size)) || size < sizeof(WM_MEDIA_TYPE) || size > 1024 * 1024) return false;
    std::vector<BYTE> bytes(size);
    auto* media = reinterpret_cast<WM_MEDIA_TYPE*>(bytes.data());
    if (FAILED(props->GetMediaType(media, &size))) return false;
    if (type == WMMEDIATYPE_Audio) {
        const auto* wave = MediaFormatAs<WAVEFORMATEX>(*media, FORMAT_WaveFormatEx);
        if (!wave || wave->wFormatTag != WAVE_FORMAT_WMAUDIO2 || wave->nChannels < 1 || wave->nChannels > 2 ||
            wave->nSamplesPerSec < 8000 || wave->nSamplesPerSec > 48000)
            return false;
        stream.encoder = "wmav2";
        stream.sampleRate = wave->nSamplesPerSec;
        stream.channels = wave->nChannels;
        // The format's rate is the one its block size was made for.
        if (wave->nAvgBytesPerSec) stream.bitrate = wave->nAvgBytesPerSec * 8;
        return true;
    }
    if (type == WMMEDIATYPE_Video) {
        const auto* info = MediaFormatAs<VIDEOINFOHEADER>(*media, FORMAT_VideoInfo);
        if (!info || info->bmiHeader.biCompression != kWmv2Fourcc) return false;
        stream.video = true;
        stream.encoder = "wmv2";
        stream.width = info->bmiHeader.biWidth;
        stream.height = std::abs(info->bmiHeader.biHeight);
        stream.frameTime = info->AvgTimePerFrame;
        if (info->dwBitRate) stream.bitrate = info->dwBitRate;
        if (stream.width <= 0 || stream.height <= 0 || stream.width > kMaxVideoSide || stream.height > kMaxVideoSide)
            return false;
        stream.quality = VaultQuality(config);
        return true;
    }
    return false;
}

HRESULT CAsfWriter::ConfigureFilterUsingProfile(IWMProfile* profile)
{
    if (!profile) return E_POINTER;
    std::lock_guard state(m_stateLock);
    if (State() != State_Stopped) return VFW_E_WRONG_STATE;
    for (size_t i = 0; i < PinCount(); ++i)
        if (PinAt(i)->IsConnected()) return VFW_E_ALREADY_CONNECTED;
    DWORD count = 0;
    if (FAILED(profile->GetStreamCount(&count)) || count == 0 || count > 63) return E_INVALIDARG;
    std::vector<SStream> streams;
    for (DWORD i = 0; i < count; ++i) {
        IWMStreamConfig* raw = nullptr;
        if (FAILED(profile->GetStream(i, &raw)) || !raw) return E_INVALIDARG;
        Held<IWMStreamConfig> config(raw);
        SStream stream;
        // A stream of a codec this writer cannot encode makes the profile unusable.
        if (!ReadStream(config.get(), stream)) return E_INVALIDARG;
        streams.push_back(stream);
    }
    m_streams = std::move(streams);
    MakePins();
    profile->AddRef();
    SafeRelease(m_profile);
    m_profile = profile;
    return S_OK;
}

HRESULT CAsfWriter::GetCurrentProfile(IWMProfile** profile)
{
    if (!profile) return E_POINTER;
    std::lock_guard state(m_stateLock);
    *profile = m_profile;
    if (!m_profile) return E_FAIL;
    m_profile->AddRef();
    return S_OK;
}

HRESULT CAsfWriter::SetIndexMode(BOOL index)
{
    m_index = index ? TRUE : FALSE;
    return S_OK;
}

HRESULT CAsfWriter::GetIndexMode(BOOL* index)
{
    if (!index) return E_POINTER;
    *index = m_index;
    return S_OK;
}

HRESULT CAsfWriter::SetAttribute(WORD stream, LPCWSTR name, WMT_ATTR_DATATYPE type, const BYTE* value, WORD length)
{
    std::lock_guard lock(m_writeLock);
    HRESULT hr = m_attributes.Set(stream, name, type, value, length);
    if (SUCCEEDED(hr)) m_metadata = m_attributes.ContainerTags();
    return hr;
}

const CAsfWriter::SStream* CAsfWriter::StreamOf(CBasePin* pin) const
{
    const size_t index = size_t(pin->Index());
    return index < m_streams.size() ? &m_streams[index] : nullptr;
}

bool CAsfWriter::IsVideoPin(CBasePin* pin) const
{
    const SStream* s = StreamOf(pin);
    return s && s->video;
}

HRESULT CAsfWriter::GetMediaType(CBasePin* pin, int index, CMediaType& type)
{
    const SStream* stream = StreamOf(pin);
    if (index != 0 || !stream) return S_FALSE;
    const SStream& s = *stream;
    if (s.video)
        MakeRgbVideoType(type, MEDIASUBTYPE_RGB24, s.width, s.height, s.frameTime);
    else
        MakePcmMediaType(type, s.sampleRate, s.channels, 16);
    return S_OK;
}

CMediaFileWriter::SStreamEncoding CAsfWriter::EncodingOf(CBasePin* pin, bool) const
{
    SStreamEncoding e;
    const SStream* stream = StreamOf(pin);
    if (!stream) return e;
    const SStream& s = *stream;
    e.encoder = s.encoder;
    e.quality = s.quality;
    // A quality-driven stream lets the quality decide the bit rate.
    e.bitRate = s.quality ? 0 : s.bitrate;
    e.sampleRate = int(s.sampleRate);
    e.channels = s.channels;
    e.maxChannels = 2;
    if (s.video) {
        // The profile's picture, whatever the input's size and rate.
        e.picture.width = int(s.width);
        e.picture.height = int(s.height);
        e.picture.SetFrameTime(s.frameTime);
    }
    return e;
}
