#include "StQtCodecs.h"

#include "CAudioCodecInfo.h"
#include "CVideoCodecInfo.h"
#include "StQuickTime.h"

#include <cstring>

namespace {

struct SAudioRow {
    const char* name;
    const char* displayName;
    ULONG format;
    unsigned short bits;
    int ratio;
};

struct SVideoRow {
    const char* name;
    const char* displayName;
    ULONG format;
    unsigned short block;
    LONG control;
    unsigned short width, height;
};

const SAudioRow kStandardAudio[] = {
    {"LPCM", "Apple LPCM", StQtCodecs::Code("sowt"), 16, 1},
    {"ALaw 2:1", "Apple ALaw 2: 1", StQtCodecs::Code("alaw"), 16, 2},
    {"IMA 4:1", "Apple IMA 4:1", StQtCodecs::Code("ima4"), 16, 4},
    {"MACE 3:1", "Apple MACE 3:1", StQtCodecs::Code("MAC3"), 8, 3},
    {"MACE 6:1", "Apple MACE 6:1", StQtCodecs::Code("MAC6"), 8, 6},
    {"uLaw 2:1", "Apple uLaw 2:1", StQtCodecs::Code("ulaw"), 16, 2},
};

// The H.264 row follows "H.263" only with H.264 support.
const SVideoRow kStandardVideo[] = {
    {"Animation", "Apple Animation", StQtCodecs::Code("rle "), 1, 1, 0, 0},
    {"BMP", "Apple BMP", StQtCodecs::Code("WRLE"), 1, 0, 0, 0},
    {"Cinepak", "Apple Cinepack", StQtCodecs::Code("cvid"), 1, 32, 0, 0},
    {"Component Video", "Apple Component Video", StQtCodecs::Code("yuv2"), 1, 0, 0, 0},
    {"DV - PAL", "Apple DV - PAL", StQtCodecs::Code("dvcp"), 0, 1, 720, 576},
    {"DV/DVCPRO - NTSC", "Apple DV/DVCPRO - NTSC", StQtCodecs::Code("dvc "), 0, 1, 720, 480},
    {"DVPRO - PAL", "Apple DVPRO - PAL", StQtCodecs::Code("dvpp"), 0, 1, 720, 576},
    {"Graphics", "Apple Graphics", StQtCodecs::Code("smc "), 1, 1, 0, 0},
    {"H.261", "Apple H.261", StQtCodecs::Code("h261"), 1, 32, 0, 0},
    {"H.263", "Apple H.263", StQtCodecs::Code("h263"), 1, 32, 0, 0},
    {"Intel Indeo 4", "Apple Intel Indeo 4", StQtCodecs::Code("IV41"), 1, 32, 0, 0},
    {"Motion JPEG A", "Apple Motion JPEG A", StQtCodecs::Code("mjpa"), 1, 1, 0, 0},
    {"Motion JPEG B", "Apple Motion JPEG B", StQtCodecs::Code("mjpb"), 1, 1, 0, 0},
    {"MPEG-4 Video", "Apple MPEG-4 Video", StQtCodecs::Code("mp4v"), 1, 32, 0, 0},
    {"None", "Apple None", StQtCodecs::Code("raw "), 1, 0, 0, 0},
    {"Photo JPEG", "Apple Photo JPEG", StQtCodecs::Code("jpeg"), 1, 1, 0, 0},
    {"Planar RGB", "Apple Planar RGB", StQtCodecs::Code("8BPS"), 1, 0, 0, 0},
    {"PNG", "Apple PNG", StQtCodecs::Code("png "), 1, 0, 0, 0},
    {"Sorenson Video", "Apple Sonrenson Video", StQtCodecs::Code("SVQ1"), 1, 32, 0, 0},
    {"TGA", "Apple TGA", StQtCodecs::Code("tga "), 1, 1, 0, 0},
    {"TIFF", "Apple TIFF", StQtCodecs::Code("tiff"), 1, 0, 0, 0},
    {"Video", "Apple Video", StQtCodecs::Code("rpza"), 1, 1, 0, 0},
};

template <class Row, size_t N>
const Row* RowNamed(const Row (&rows)[N], const char* name)
{
    for (const Row& row : rows)
        if (std::strcmp(row.name, name) == 0) return &row;
    return nullptr;
}

} // namespace

StQtCodecs::StQtCodecs(ESplitterType type, ULONG fileType) : m_fileType(fileType) { SetSplitterType(type); }

void StQtCodecs::AddStandardAudio(const char* name)
{
    if (const SAudioRow* row = RowNamed(kStandardAudio, name))
        AddAudioCodec(row->name, row->displayName, row->format, row->bits, row->ratio);
}

CVideoCodecInfo* StQtCodecs::AddStandardVideo(const char* name)
{
    const SVideoRow* row = RowNamed(kStandardVideo, name);
    if (!row) return nullptr;
    CVideoCodecInfo* codec = AddVideoCodec(row->name, row->displayName, row->format, row->block, row->control);
    if (row->width) codec->AddResolution(row->width, row->height);
    return codec;
}

void StQtCodecs::AddStandardCodecs()
{
    for (const SAudioRow& row : kStandardAudio) AddStandardAudio(row.name);
    for (const SVideoRow& row : kStandardVideo) {
        AddStandardVideo(row.name);
        if (std::strcmp(row.name, "H.263") == 0 && StQuickTime::SupportH264()) AddH264();
    }
}

void StQtCodecs::AddPcm() { AddAudioCodec("PCM", "Apple PCM", Code("twos"), 16, 1); }

void StQtCodecs::AddH264() { AddVideoCodec("H.264", "Apple H.264", Code("avc1"), 1, 32); }

void StQtCodecs::AddAAC() { AddAacAudioCodec("AAC-LC", "Apple AAC-LC", Code("mp4a"), 16); }

void StQtCodecs::AddAppleLossless()
{
    CAudioCodecInfo* codec = AddAudioCodec("Apple Lossless", "Apple Lossless", Code("alac"));
    for (ULONG rate : kSampleRates)
        for (unsigned short channels : {1, 2}) codec->AddSetting(rate, channels, 16, 0, 0);
}

void StQtCodecs::AddQDesign()
{
    CAudioCodecInfo* codec = AddAudioCodec("QDesign", "Apple QDesign", Code("QDMC"));
    for (ULONG rate : kSampleRates)
        for (unsigned short channels : {1, 2})
            for (ULONG bitrate : {8000, 10000, 12000, 16000, 20000, 24000, 32000, 40000, 48000})
                codec->AddSetting(rate, channels, 16, bitrate, 0);
}

void StQtCodecs::AddQualcommPureVoice()
{
    CAudioCodecInfo* codec = AddAudioCodec("Qualcomm PureVoice", "Apple Qualcomm PureVoice", Code("Qclp"));
    for (ULONG rate : kSampleRates) {
        codec->AddSetting(rate, 1, 16, 1 * 16 * rate / 72, 0);
        codec->AddSetting(rate, 1, 16, 1 * 16 * rate / 152, 0);
    }
}

void StQtCodecs::AddQcelp()
{
    CAudioCodecInfo* codec = AddAudioCodec("QCELP", "Apple QCELP", Code("Qclp"));
    codec->AddSetting(8000, 1, 16, 6800, 0);
    codec->AddSetting(8000, 1, 16, 14000, 0);
}

void StQtCodecs::Add3gpCodecs(const char* h263DisplayName,
                              std::initializer_list<std::pair<unsigned short, unsigned short>> sizes)
{
    AddAAC();
    AddVideoCodec("MPEG-4 Video", "Apple MPEG-4 Video", Code("mp4v"), 1, 32);
    CVideoCodecInfo* h263 = AddVideoCodec("H.263", h263DisplayName, Code("h263"), 1, 4);
    for (const auto& [width, height] : sizes) h263->AddResolution(width, height);
    if (StQuickTime::SupportH264()) AddH264();
}
