#include "wmf/WmCodecTable.h"

#include "dshow/VideoInfo.h"
#include "win32/audio/WaveFormat.h"

#include <cstdio>
#include <iterator>

namespace {

// Each row encodes with FFmpeg's encoder at that rate, channel count and bit rate.
const SWmAudioFormat kWmaFormats[] = {
    {48000, 2, 192000, false}, {48000, 2, 160000, false}, {48000, 2, 128000, false},
    {44100, 2, 192000, false}, {44100, 2, 160000, false}, {44100, 2, 128000, false},
    {44100, 2, 96000, false},  {44100, 2, 80000, false},  {44100, 2, 64000, true},
    {44100, 2, 48000, true},   {44100, 1, 48000, false},  {44100, 1, 32000, true},
    {32000, 2, 48000, false},  {32000, 2, 40000, true},   {32000, 2, 32000, true},
    {32000, 1, 32000, false},  {22050, 2, 32000, false},  {22050, 1, 32000, false},
    {22050, 1, 24000, true},   {16000, 1, 24000, true},
};

const SWmCodec kAudioCodecs[] = {
    {&WMMEDIATYPE_Audio, u"Windows Media Audio 9.2", "wmav2", kWmaFormats, DWORD(std::size(kWmaFormats)), false},
};
const SWmCodec kVideoCodecs[] = {
    {&WMMEDIATYPE_Video, u"Windows Media Video 8", "wmv2", nullptr, 1, true},
};

} // namespace

DWORD WmCodecCount(const GUID& type)
{
    if (type == WMMEDIATYPE_Audio) return DWORD(std::size(kAudioCodecs));
    if (type == WMMEDIATYPE_Video) return DWORD(std::size(kVideoCodecs));
    return 0;
}

const SWmCodec* WmCodecAt(const GUID& type, DWORD index)
{
    if (index >= WmCodecCount(type)) return nullptr;
    return type == WMMEDIATYPE_Audio ? &kAudioCodecs[index] : &kVideoCodecs[index];
}

const SWmCodec* WmCodecOf(const AM_MEDIA_TYPE& type)
{
    if (const auto* wave = MediaFormatAs<WAVEFORMATEX>(type, FORMAT_WaveFormatEx))
        return type.majortype == WMMEDIATYPE_Audio && wave->wFormatTag == WAVE_FORMAT_WMAUDIO2 ? &kAudioCodecs[0]
                                                                                             : nullptr;
    if (const auto* video = MediaFormatAs<VIDEOINFOHEADER>(type, FORMAT_VideoInfo))
        return type.majortype == WMMEDIATYPE_Video && video->bmiHeader.biCompression == kWmv2Fourcc ? &kVideoCodecs[0]
                                                                                                 : nullptr;
    return nullptr;
}

WORD WmaBlockAlign(DWORD sampleRate, WORD channels, DWORD bitrate)
{
    (void)channels;
    if (sampleRate == 0) return 0;
    // Samples in one block: 512 up to 16 kHz, 1024 up to 22.05 kHz, else 2048.
    const DWORD frame = sampleRate <= 16000 ? 512 : sampleRate <= 22050 ? 1024 : 2048;
    const uint64_t bytes = uint64_t(bitrate) * frame / (uint64_t(sampleRate) * 8);
    return WORD(bytes > 0xFFFF ? 0xFFFF : bytes);
}

SWmStream WmAudioStream(const SWmAudioFormat& format)
{
    SWmStream stream;
    stream.type = WMMEDIATYPE_Audio;
    stream.bitrate = format.bitrate;
    stream.bufferWindow = 3000;
    stream.name = u"Audio Stream";
    stream.connection = u"Audio";
    CMediaType& type = stream.mediaType;
    type.SetType(WMMEDIATYPE_Audio);
    type.SetSubtype(MediaSubtypeFromFourcc(WAVE_FORMAT_WMAUDIO2));
    type.SetFormatType(FORMAT_WaveFormatEx);
    const WORD block = WmaBlockAlign(format.sampleRate, format.channels, format.bitrate);
    type.SetSampleSize(block);
    if (auto* wave = reinterpret_cast<WAVEFORMATEX*>(type.AllocFormatBuffer(sizeof(WAVEFORMATEX)))) {
        wave->wFormatTag = WAVE_FORMAT_WMAUDIO2;
        wave->nChannels = format.channels;
        wave->nSamplesPerSec = format.sampleRate;
        wave->nAvgBytesPerSec = format.bitrate / 8;
        wave->nBlockAlign = block;
        wave->wBitsPerSample = 16;
    }
    return stream;
}

SWmStream WmVideoStream(LONG width, LONG height, REFERENCE_TIME frameTime, DWORD bitrate)
{
    SWmStream stream;
    stream.type = WMMEDIATYPE_Video;
    stream.bitrate = bitrate;
    stream.bufferWindow = 5000;
    stream.name = u"Video Stream";
    stream.connection = u"Video";
    CMediaType& type = stream.mediaType;
    type.SetType(WMMEDIATYPE_Video);
    type.SetSubtype(MediaSubtypeFromFourcc(kWmv2Fourcc));
    type.SetFormatType(FORMAT_VideoInfo);
    type.SetVariableSize();
    type.SetTemporalCompression(TRUE);
    if (auto* info = reinterpret_cast<VIDEOINFOHEADER*>(type.AllocFormatBuffer(sizeof(VIDEOINFOHEADER)))) {
        info->rcSource = RECT{0, 0, width, height};
        info->rcTarget = RECT{0, 0, width, height};
        info->dwBitRate = bitrate;
        info->AvgTimePerFrame = frameTime;
        info->bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info->bmiHeader.biWidth = width;
        info->bmiHeader.biHeight = height;
        info->bmiHeader.biPlanes = 1;
        info->bmiHeader.biBitCount = 24;
        info->bmiHeader.biCompression = kWmv2Fourcc;
    }
    return stream;
}

std::u16string WmAudioFormatText(const SWmAudioFormat& format)
{
    char text[96];
    std::snprintf(text, sizeof text, "%u kbps, %u kHz, %s CBR%s", unsigned(format.bitrate / 1000),
                  unsigned(format.sampleRate / 1000), format.channels == 1 ? "mono" : "stereo",
                  format.audioVideo ? " (A/V)" : "");
    return std::u16string(text, text + std::char_traits<char>::length(text));
}
