#include "StffMpegLoader.h"

#include "CAudioCodecInfo.h"

#include <cstring>

StffMpegLoader* StffMpegLoader::sLoader = nullptr;

namespace {

// ffmpeg's codec ids.
constexpr ULONG kMpeg1Video = 1, kMjpeg = 8, kMpeg4 = 12, kFlashVideo = 21;
constexpr ULONG kAdpcmImaWav = 69633, kMpegAudio = 86016, kMp3 = 86017, kAac = 86018;

// Sample rate, mono and stereo bit rates of the ADPCM codec.
const ULONG kAdpcm[][3] = {{8000, 32400, 64900},   {11025, 44700, 89400},  {16000, 64900, 129800},
                           {22050, 88800, 177600}, {24000, 96700, 193300}, {32000, 128900, 257800},
                           {44100, 177000, 354000}, {48000, 192700, 385300}};

} // namespace

StffMpegLoader::StffMpegLoader()
{
    if (!sLoader) sLoader = this;
    Load();
}

StffMpegLoader::~StffMpegLoader()
{
    if (sLoader == this) sLoader = nullptr;
}

CffMpegFormat* StffMpegLoader::GetFormat(int index) const
{
    return index >= 0 && index < GetFormatCount() ? m_formats[size_t(index)].get() : nullptr;
}

CffMpegFormat* StffMpegLoader::AddFormat(ESplitterType type, const char* text)
{
    m_formats.push_back(std::make_unique<CffMpegFormat>());
    CffMpegFormat* format = m_formats.back().get();
    format->SetSplitterType(type);
    format->SetFormatText(text);
    return format;
}

void StffMpegLoader::AddFlashCodecs(CffMpegFormat& format)
{
    format.AddAacAudioCodec("MPEG Layer-3", "ffMpeg MPEG Layer-3", kMp3, 16);
    CAudioCodecInfo* adpcm = format.AddAudioCodec("ADPCM", "ffMpeg ADPCM IMA WAV", kAdpcmImaWav);
    for (const auto& row : kAdpcm) {
        adpcm->AddSetting(row[0], 1, 16, row[1], 0);
        adpcm->AddSetting(row[0], 2, 16, row[2], 0);
    }
    format.AddVideoCodec("Flash Video", "ffMpeg Flash Video", kFlashVideo, 1, 4);
    format.AddVideoCodec("MJPEG", "ffMpeg MJPEG", kMjpeg, 1, 4);
}

void StffMpegLoader::Load()
{
    AddFlashCodecs(*AddFormat(2040, "swf"));
    AddFlashCodecs(*AddFormat(2041, "flv"));
    CffMpegFormat* mpeg = AddFormat(2000, "mpeg");
    mpeg->AddMp2AudioCodec("MPEG Audio", "ffMpeg MPEG Audio", kMpegAudio, 16);
    mpeg->AddVideoCodec("MPEG-1 Video", "ffMpeg MPEG-1 Video", kMpeg1Video, 1, 32);
    CffMpegFormat* psp = AddFormat(2022, "psp");
    psp->AddAacAudioCodec("AAC", "ffMpeg AAC Audio", kAac, 16);
    psp->AddVideoCodec("MPEG-4", "ffMpeg MPEG-4 Video", kMpeg4, 16, 32);
}

CffMpegFormat* StffMpegLoader::GetSplitterCodecs(ESplitterType type) const
{
    for (const auto& format : m_formats)
        if (format->GetSplitterType() == type) return format.get();
    return nullptr;
}

CffMpegFormat* StffMpegLoader::GetFormatTextCodecs(const char* text) const
{
    for (const auto& format : m_formats)
        if (text && std::strcmp(format->GetFormatText(), text) == 0) return format.get();
    return nullptr;
}
