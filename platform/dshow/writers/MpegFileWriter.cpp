#include "dshow/writers/MpegFileWriter.h"

#include "com/ComRuntime.h"
#include "dshow/BasePin.h"
#include "dshow/FilterRegistry.h"
#include "dshow/MediaType.h"
#include "dshow/PictureFormat.h"
#include "dshow/VideoInfo.h"
#include "dshow/writers/MpegRates.h"
#include "dshow/writers/MpegWriterIds.h"
#include "win32/audio/WaveFormat.h"

#include <algorithm>
#include <string>

namespace {

const FileWriterKind kKind = {&CLSID_SarvexMpegWriter, "Sarvex MPEG Writer", "mpeg", "mp2", "mpeg1video", 0, 2};

// One stream format: its multiplexer, video encoder and, for the disc formats, the
// picture, rates and buffer their players expect.
struct MpegFormat {
    const char* container;
    const char* videoEncoder;
    int width, height;
    MpegFrameRate rate;
    int64_t videoBitrate; // the fixed rate of VCD, the usual one of the others
    int64_t maxRate;
    int bufferSize;
    int sampleRate;
    int audioBitrate; // fixed for VCD
};

constexpr int kVcdBuffer = 40 * 1024 * 8;
constexpr int kMpeg2Buffer = 224 * 1024 * 8;

const MpegFormat kFormats[] = {
    {"mpeg", "mpeg1video", 0, 0, {}, 0, 0, 0, 0, 0},
    {"vcd", "mpeg1video", 352, 288, {25, 1}, 1150000, 1150000, kVcdBuffer, 44100, 224000},
    {"vob", "mpeg2video", 0, 0, {}, 0, 0, 0, 0, 0},
    {"svcd", "mpeg2video", 480, 576, {25, 1}, 2040000, 2516000, kMpeg2Buffer, 44100, 0},
    {"dvd", "mpeg2video", 720, 576, {25, 1}, 6000000, 9000000, kMpeg2Buffer, 48000, 0},
    {"vcd", "mpeg1video", 352, 240, {30000, 1001}, 1150000, 1150000, kVcdBuffer, 44100, 224000},
    {"svcd", "mpeg2video", 480, 480, {30000, 1001}, 2040000, 2516000, kMpeg2Buffer, 44100, 0},
    {"dvd", "mpeg2video", 720, 480, {30000, 1001}, 6000000, 9000000, kMpeg2Buffer, 48000, 0},
};

const MpegFormat& FormatOf(LONG format)
{
    return kFormats[format >= 0 && format < LONG(std::size(kFormats)) ? format : 0];
}

HRESULT StorePositive(std::atomic<LONG>& field, LONG value)
{
    if (value < 0) return E_INVALIDARG;
    field = value;
    return S_OK;
}

} // namespace

HRESULT CMpegFileWriter::Create(REFIID iid, void** object) { return CreateComObject<CMpegFileWriter>(iid, object); }

void DShowRegisterMpegWriter()
{
    DShowRegisterFilter(CLSID_SarvexMpegWriter, kKind.name, FilterRole::Other, 0, &CMpegFileWriter::Create);
}

CMpegFileWriter::CMpegFileWriter() : CMediaFileWriter(kKind) {}

void* CMpegFileWriter::FindInterface(REFIID iid)
{
    if (iid == IMpegStreamSettings::kIid) return static_cast<IMpegStreamSettings*>(this);
    if (iid == IMpegEncoderSettings::kIid) return static_cast<IMpegEncoderSettings*>(this);
    return CMediaFileWriter::FindInterface(iid);
}

HRESULT CMpegFileWriter::SetStreamFormat(LONG format)
{
    if (format < 0 || format >= LONG(std::size(kFormats))) return E_INVALIDARG;
    m_format = format;
    return S_OK;
}

HRESULT CMpegFileWriter::SetPackOption(LONG) { return S_OK; }
HRESULT CMpegFileWriter::SetBufferOption(LONG) { return S_OK; }
HRESULT CMpegFileWriter::SetTimingOption(LONG) { return S_OK; }
HRESULT CMpegFileWriter::SetEndOption(LONG) { return S_OK; }
HRESULT CMpegFileWriter::SetFieldOption(LONG) { return S_OK; }
HRESULT CMpegFileWriter::SetMotionOption(LONG) { return S_OK; }

HRESULT CMpegFileWriter::SetAudioStreams(LONG count)
{
    if (count < 0 || count > 1) return E_INVALIDARG;
    m_audioStreams = count;
    return S_OK;
}

HRESULT CMpegFileWriter::SetVideoStream(BOOL on)
{
    m_video = on != FALSE;
    return S_OK;
}

HRESULT CMpegFileWriter::SetHeight(LONG height) { return StorePositive(m_height, height); }
HRESULT CMpegFileWriter::SetWidth(LONG width) { return StorePositive(m_width, width); }
HRESULT CMpegFileWriter::SetVideoBitrate(LONG bitrate) { return StorePositive(m_videoBitrate, bitrate); }
HRESULT CMpegFileWriter::SetAudioBitrate(LONG bitrate) { return StorePositive(m_audioBitrate, bitrate); }
HRESULT CMpegFileWriter::SetSampleRate(LONG rate) { return StorePositive(m_sampleRate, rate); }

HRESULT CMpegFileWriter::SetVariableBitrate(BOOL on)
{
    m_variable = on != FALSE;
    return S_OK;
}

bool CMpegFileWriter::AudioOnly() const { return !m_video && m_format == 0; }

const char* CMpegFileWriter::Container() const { return AudioOnly() ? "mp3" : FormatOf(m_format).container; }

bool CMpegFileWriter::Writes(CBasePin* pin) const { return IsVideoPin(pin) ? bool(m_video) : m_audioStreams > 0; }

CMediaFileWriter::SStreamEncoding CMpegFileWriter::EncodingOf(CBasePin* pin, bool video) const
{
    const MpegFormat& format = FormatOf(m_format);
    SStreamEncoding e;
    e.maxChannels = 2;
    if (!video) {
        const bool layer3 = AudioOnly();
        const WAVEFORMATEX* input = PcmFormatOf(pin->MediaType());
        const LONG asked = m_sampleRate;
        const int wanted = format.sampleRate ? format.sampleRate
                           : asked          ? int(asked)
                                            : int(input ? input->nSamplesPerSec : 44100);
        e.encoder = layer3 ? "libmp3lame" : "mp2";
        e.sampleRate = NearestMpegSampleRate(wanted, layer3);
        const LONG bitrate = m_audioBitrate;
        e.bitRate = NearestMpegAudioBitrate(format.audioBitrate ? format.audioBitrate : bitrate, e.sampleRate, layer3);
        return e;
    }
    const VIDEOINFOHEADER* input = PictureVideoInfo(pin->MediaType());
    e.encoder = format.videoEncoder;
    VideoEncodingTarget& target = e.picture;
    target.pixelFormat = 0; // planar 4:2:0
    if (format.width) {
        target.width = format.width;
        target.height = format.height;
        target.rateNum = format.rate.num;
        target.rateDen = format.rate.den;
    } else {
        const bool sized = m_width > 0 && m_height > 0;
        target.width = (sized ? int(m_width) : int(input->bmiHeader.biWidth)) & ~1;
        target.height = (sized ? int(m_height) : std::abs(int(input->bmiHeader.biHeight))) & ~1;
        const REFERENCE_TIME frame = input->AvgTimePerFrame;
        const MpegFrameRate rate = NearestMpegFrameRate(frame > 0 ? double(kUnitsPerSecond) / double(frame) : 25.0);
        target.rateNum = rate.num;
        target.rateDen = rate.den;
    }
    // VCD is constant at its own rate; the other discs take the rate asked up to their ceiling.
    if (format.maxRate == format.videoBitrate && format.maxRate)
        e.bitRate = format.videoBitrate;
    else if (m_videoBitrate > 0)
        e.bitRate = format.maxRate ? std::min<int64_t>(m_videoBitrate, format.maxRate) : int64_t(m_videoBitrate);
    else
        e.bitRate = format.videoBitrate;
    int64_t ceiling = 0, buffer = 0;
    if (format.maxRate) {
        ceiling = format.maxRate;
        buffer = format.bufferSize;
    } else if (!m_variable && e.bitRate > 0) {
        // Constant: the rate asked is also the ceiling, over a buffer of about a second.
        ceiling = e.bitRate;
        buffer = std::clamp<int64_t>(e.bitRate, kVcdBuffer, kMpeg2Buffer);
    }
    e.options = "threads=auto";
    if (ceiling) e.options += ":maxrate=" + std::to_string(ceiling) + ":bufsize=" + std::to_string(buffer);
    return e;
}
