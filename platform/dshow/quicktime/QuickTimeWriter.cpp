#include "dshow/quicktime/QuickTimeWriter.h"

#include "dshow/FilterRegistry.h"
#include "dshow/BasePin.h"
#include "dshow/PictureFormat.h"
#include "dshow/VideoInfo.h"
#include "dshow/formats/DvFormat.h"
#include "dshow/formats/TagKeys.h"
#include "quicktime/QuickTimeApi.h"
#include "win32/audio/WaveFormat.h"
#include "win32/kernel/Module.h"

#include <cstdlib>
#include <string_view>
#include <utility>

namespace {

constexpr CLSID Id(DWORD a, WORD b, WORD c, std::initializer_list<BYTE> d)
{
    CLSID id{a, b, c, {}};
    int i = 0;
    for (BYTE x : d) id.Data4[i++] = x;
    return id;
}

constexpr DWORD kAvc1 = 0x61766331;

// Every QuickTime writer id, with the container and the encoders used when no format is set.
// The FLC writer is absent: no encoder writes FLC here.
const CLSID kMovWriter = Id(0x733E3501, 0x32ED, 0x40EB, {0xBD, 0xFB, 0x84, 0x2E, 0xCE, 0xA4, 0x82, 0x2F});
const CLSID kMovWriter20000 = Id(0x2137E8A6, 0x3534, 0x4FB6, {0x83, 0x70, 0x21, 0x13, 0xCA, 0x28, 0xF6, 0x51});
const CLSID kMovWriter59301 = Id(0x01D320CB, 0xFD6F, 0x4893, {0x93, 0xCC, 0x72, 0x0B, 0x6F, 0x06, 0x25, 0x2C});
const CLSID kMovExport = Id(0x69C23747, 0xD4A8, 0x42CE, {0xB9, 0xE7, 0x45, 0x54, 0x09, 0x81, 0xE0, 0x15});
const CLSID kMovExport2 = Id(0xBC6F00DB, 0xF7E1, 0x4EF6, {0xA8, 0x68, 0xB8, 0x89, 0x48, 0xEC, 0x72, 0x40});
const CLSID k3gpExport = Id(0xA333431D, 0x26E4, 0x4BFB, {0xBD, 0x52, 0x7D, 0x48, 0x02, 0x4B, 0x88, 0x0C});
const CLSID k3gpExport2 = Id(0xEFC92568, 0xDD0A, 0x4A4E, {0x85, 0x13, 0x67, 0x85, 0xEE, 0xAC, 0xFE, 0xF2});
const CLSID kMp4Export = Id(0xBC99931A, 0x8215, 0x4F53, {0x87, 0x62, 0x93, 0x66, 0xAD, 0x8D, 0xA0, 0x3A});
const CLSID kMp4Export2 = Id(0x4082751B, 0xB509, 0x435D, {0xAA, 0xC4, 0xD5, 0x92, 0xDA, 0x95, 0xC6, 0xFF});
const CLSID kDvExport = Id(0xBAAE9A94, 0x2A1E, 0x43CD, {0xA2, 0xEF, 0x51, 0xAD, 0xB7, 0x9F, 0x5A, 0x2F});
const CLSID kAifExport = Id(0x81CF4B2F, 0x7B31, 0x4617, {0x9F, 0x66, 0x3A, 0xC7, 0x97, 0x4C, 0x18, 0xBD});

const FileWriterKind kKinds[] = {
    {&kMovWriter, "QuickTime Writer", "mov", "aac", "mpeg4", 128000, 2},
    {&kMovWriter20000, "QuickTime Writer", "mov", "aac", "mpeg4", 128000, 2},
    {&kMovWriter59301, "QuickTime Writer", "mov", "aac", "mpeg4", 128000, 2},
    {&kMovExport, "QuickTime Export", "mov", "aac", "mpeg4", 128000, 2},
    {&kMovExport2, "QuickTime Export", "mov", "aac", "mpeg4", 128000, 2},
    {&k3gpExport, "QuickTime 3GP Export", "3gp", "aac", "mpeg4", 64000, 2},
    {&k3gpExport2, "QuickTime 3GP Export", "3gp", "aac", "mpeg4", 64000, 2},
    {&kMp4Export, "QuickTime MP4 Export", "mp4", "aac", "mpeg4", 128000, 2},
    {&kMp4Export2, "QuickTime MP4 Export", "mp4", "aac", "mpeg4", 128000, 2},
    {&kDvExport, "QuickTime DV Export", "dv", "pcm_s16le", "dvvideo", 0, 2},
    {&kAifExport, "QuickTime AIF Export", "aiff", "pcm_s16be", nullptr, 0, 8},
};

template <size_t N>
HRESULT CreateKind(REFIID iid, void** object)
{
    return CreateComObject<CQuickTimeWriter>(iid, object, kKinds[N]);
}

template <size_t... I>
void RegisterAll(std::index_sequence<I...>)
{
    (DShowRegisterFilter(*kKinds[I].clsid, kKinds[I].name, FilterRole::Other, 0, &CreateKind<I>), ...);
}

// The QuickTime library, loaded once by name for the life of the process.
HMODULE QuickTimeLibrary()
{
    static HMODULE module = LoadLibrary("QTMLClient.dll");
    return module;
}

} // namespace

void DShowRegisterQuickTimeWriters() { RegisterAll(std::make_index_sequence<std::size(kKinds)>()); }

const char* QuickTimeEncoderFor(DWORD format)
{
    HMODULE module = QuickTimeLibrary();
    auto find = module ? reinterpret_cast<QTEncoderForFormatProc>(GetProcAddress(module, "QTEncoderForFormat")) : nullptr;
    return find ? find(format) : nullptr;
}

CQuickTimeWriter::CQuickTimeWriter(const FileWriterKind& kind)
    : CMediaFileWriter(kind), m_prefersH264(std::string_view(kind.container) == "mp4"),
      m_dv(std::string_view(kind.container) == "dv")
{
}

void* CQuickTimeWriter::FindInterface(REFIID iid)
{
    if (iid == IQuickTimeVideoCompression::kIid) return static_cast<IQuickTimeVideoCompression*>(this);
    if (iid == IQuickTimeVideoRate::kIid) return static_cast<IQuickTimeVideoRate*>(this);
    if (iid == IQuickTimeSoundCompression::kIid) return static_cast<IQuickTimeSoundCompression*>(this);
    if (iid == IQuickTimeExportRates::kIid) return static_cast<IQuickTimeExportRates*>(this);
    if (iid == IQuickTimeExportSettings::kIid) return static_cast<IQuickTimeExportSettings*>(this);
    if (iid == IQuickTimeCompressionSettings::kIid) return static_cast<IQuickTimeCompressionSettings*>(this);
    if (iid == IQuickTimeVideoSettings::kIid) return static_cast<IQuickTimeVideoSettings*>(this);
    if (iid == IQuickTimeWriterMode::kIid) return static_cast<IQuickTimeWriterMode*>(this);
    if (iid == IEncoderTags::kIid) return static_cast<IEncoderTags*>(this);
    return CMediaFileWriter::FindInterface(iid);
}

HRESULT CQuickTimeWriter::SetVideoFormat(DWORD format)
{
    m_videoFormat = format;
    return S_OK;
}

HRESULT CQuickTimeWriter::SetQuality(LONG quality)
{
    if (quality < 0 || quality > 100) return E_INVALIDARG;
    m_quality = quality;
    return S_OK;
}

HRESULT CQuickTimeWriter::SetVideoBitrate(LONG bitrate)
{
    if (bitrate < 0) return E_INVALIDARG;
    m_videoBitrate = bitrate;
    return S_OK;
}

HRESULT CQuickTimeWriter::SetAudioFormat(DWORD format)
{
    m_audioFormat = format;
    return S_OK;
}

HRESULT CQuickTimeWriter::SetCapturing(BOOL) { return S_OK; }

HRESULT CQuickTimeWriter::SetAudioBitrate(LONG bitrate)
{
    if (bitrate < 0) return E_INVALIDARG;
    m_audioBitrate = bitrate;
    return S_OK;
}

HRESULT CQuickTimeWriter::KeepSettings(std::string& kept, const BYTE* bytes, LONG size)
{
    if (size < 0 || (size > 0 && !bytes)) return E_INVALIDARG;
    std::lock_guard state(m_stateLock);
    if (State() != State_Stopped) return VFW_E_WRONG_STATE;
    kept.assign(reinterpret_cast<const char*>(bytes), size_t(size));
    return S_OK;
}

HRESULT CQuickTimeWriter::SetExportSettings(const BYTE* bytes, LONG size)
{
    return KeepSettings(m_exportSettings, bytes, size);
}

HRESULT CQuickTimeWriter::SetCompressionSettings(const BYTE* bytes, LONG size)
{
    return KeepSettings(m_exportSettings, bytes, size);
}

HRESULT CQuickTimeWriter::SetVideoSettings(const BYTE* bytes, LONG size)
{
    return KeepSettings(m_videoSettings, bytes, size);
}

HRESULT CQuickTimeWriter::SetKeyFrameInterval(LONG frames)
{
    if (frames < 0) return E_INVALIDARG;
    m_keyFrames = frames;
    return S_OK;
}

HRESULT CQuickTimeWriter::SetConverting(BOOL) { return S_OK; }

void CQuickTimeWriter::ReadSettings()
{
    m_block = {};
    HMODULE module = QuickTimeLibrary();
    auto read = module ? reinterpret_cast<QTReadSettingsProc>(GetProcAddress(module, "QTReadSettings")) : nullptr;
    if (!read) return;
    // The video compressor's own block is read last: it is the more particular.
    for (const std::string* block : {&m_exportSettings, &m_videoSettings}) {
        QTSettingsSummary s{};
        if (block->empty() || !read(block->data(), int32_t(block->size()), &s)) continue;
        if (s.videoCodec) m_block.videoFormat = s.videoCodec;
        if (s.soundFormat) m_block.audioFormat = s.soundFormat;
        // 0-1023 on the writer's 0-100.
        if (s.quality > 0) m_block.quality = (s.quality * 100 + 511) / 1023;
        if (s.dataRate > 0) m_block.videoBitrate = s.dataRate > 0x0FFFFFFF ? 0x7FFFFFF8 : s.dataRate * 8;
        if (s.soundBitRate > 0) m_block.audioBitrate = s.soundBitRate;
        if (s.keyFrameRate > 0) m_block.keyFrames = s.keyFrameRate;
    }
}

HRESULT CQuickTimeWriter::SetTag(const char* name, const char* value)
{
    if (!name || !*name || !value) return E_POINTER;
    std::lock_guard lock(m_writeLock);
    SetContainerTag(m_metadata, name, value);
    return S_OK;
}

// Nothing is written without the QuickTime library, nor with a format it cannot encode.
HRESULT CQuickTimeWriter::OnPause()
{
    if (State() == State_Stopped) {
        if (!QuickTimeLibrary()) return VFW_E_NO_ACCEPTABLE_TYPES;
        ReadSettings();
        for (DWORD format : {VideoFormat(), AudioFormat()})
            if (format && !QuickTimeEncoderFor(format)) return VFW_E_NO_ACCEPTABLE_TYPES;
    }
    return CMediaFileWriter::OnPause();
}

CMediaFileWriter::SStreamEncoding CQuickTimeWriter::EncodingOf(CBasePin* pin, bool video) const
{
    SStreamEncoding e = CMediaFileWriter::EncodingOf(pin, video);
    const DWORD format = video ? VideoFormat() : AudioFormat();
    if (format) {
        e.encoder = QuickTimeEncoderFor(format);
    } else if (video && m_prefersH264) {
        if (const char* h264 = QuickTimeEncoderFor(kAvc1)) e.encoder = h264;
    }
    if (video && m_dv) {
        // DV has one picture per TV system: the input's rate names it, else its lines.
        const VIDEOINFOHEADER* info = PictureVideoInfo(pin->MediaType());
        const LONG lines = info ? std::abs(info->bmiHeader.biHeight) : 0;
        const DvSystem* system = info ? DvSystemOfFrameTime(info->AvgTimePerFrame) : nullptr;
        if (!system) system = lines > 0 && lines <= kDvNtsc.height ? &kDvNtsc : &kDvPal;
        e.picture.width = system->width;
        e.picture.height = system->height;
        e.picture.pixelFormat = system->pixelFormat;
        e.picture.rateNum = system->rateNum;
        e.picture.rateDen = system->rateDen;
    }
    if (!video && m_dv) {
        // Both TV systems carry stereo at 32 or 48 kHz; 44.1 kHz only PAL's.
        const WAVEFORMATEX* wave = PcmFormatOf(pin->MediaType());
        const DWORD rate = wave ? wave->nSamplesPerSec : 0;
        e.sampleRate = rate == 32000 || rate == 48000 ? int(rate) : 48000;
        e.channels = 2;
    }
    const LONG set = video ? m_videoBitrate : m_audioBitrate;
    const LONG bitrate = set > 0 ? set : video ? m_block.videoBitrate : m_block.audioBitrate;
    if (bitrate > 0) e.bitRate = bitrate;
    // Quality 0-100 on the encoder's 1-99 scale.
    const LONG quality = m_quality > 0 ? LONG(m_quality) : m_block.quality;
    if (video && quality > 0) e.quality = quality > 99 ? 99 : int(quality);
    if (video) e.keyFrames = m_keyFrames > 0 ? int(m_keyFrames) : int(m_block.keyFrames);
    return e;
}
