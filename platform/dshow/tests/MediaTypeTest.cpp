#include "dshow/CodecFormat.h"
#include "dshow/MediaType.h"
#include "dshow/VideoInfo.h"
#include "win32/audio/WaveFormat.h"

#include <gtest/gtest.h>

TEST(MediaTypeTest, CopiesOwnTheirFormatBlock)
{
    CMediaType pcm;
    MakePcmMediaType(pcm, 22050, 2, 16);
    auto* wave = MediaFormatAs<WAVEFORMATEX>(pcm, FORMAT_WaveFormatEx);
    ASSERT_NE(wave, nullptr);
    EXPECT_EQ(wave->nBlockAlign, 4);
    EXPECT_EQ(wave->nAvgBytesPerSec, 88200u);
    EXPECT_EQ(pcm.cbFormat, 18u);

    AM_MEDIA_TYPE* copy = CreateMediaType(&pcm);
    ASSERT_NE(copy, nullptr);
    EXPECT_NE(copy->pbFormat, pcm.pbFormat);
    pcm.ResetFormatBuffer();
    EXPECT_EQ(reinterpret_cast<WAVEFORMATEX*>(copy->pbFormat)->nSamplesPerSec, 22050u);
    DeleteMediaType(copy);
}

TEST(MediaTypeTest, PcmIsWholeIntegerSamplesOfTheUsualDepths)
{
    for (WORD bits : {8, 16, 24, 32, 12, 20, 64}) {
        CMediaType pcm;
        MakePcmMediaType(pcm, 44100, 2, bits);
        const bool usual = bits == 8 || bits == 16 || bits == 24 || bits == 32;
        EXPECT_EQ(PcmFormatOf(pcm) != nullptr, usual) << bits;
        if (usual) {
            EXPECT_EQ(PcmFormatOf(pcm)->nBlockAlign, 2 * bits / 8);
        }
    }
    // A block that does not hold whole frames is no PCM.
    CMediaType odd;
    MakePcmMediaType(odd, 44100, 2, 24);
    reinterpret_cast<WAVEFORMATEX*>(odd.pbFormat)->nBlockAlign = 8;
    EXPECT_EQ(PcmFormatOf(odd), nullptr);
}

TEST(MediaTypeTest, FormatViewRefusesShortOrOtherBlocks)
{
    CMediaType type;
    type.SetFormatType(FORMAT_WaveFormatEx);
    type.AllocFormatBuffer(10);
    EXPECT_EQ(MediaFormatAs<WAVEFORMATEX>(type, FORMAT_WaveFormatEx), nullptr);
    type.AllocFormatBuffer(18);
    EXPECT_EQ(MediaFormatAs<WAVEFORMATEX>(type, FORMAT_VideoInfo), nullptr);
    EXPECT_NE(MediaFormatAs<WAVEFORMATEX>(type, FORMAT_WaveFormatEx), nullptr);
}

TEST(MediaTypeTest, PartialPatternsMatch)
{
    CMediaType pcm;
    MakePcmMediaType(pcm, 8000, 1, 8);
    const GUID none{};
    struct Case {
        GUID major, sub, format;
        bool match;
    } cases[] = {
        {none, none, none, true},
        {MEDIATYPE_Audio, none, none, true},
        {MEDIATYPE_Audio, MEDIASUBTYPE_PCM, FORMAT_WaveFormatEx, true},
        {MEDIATYPE_Video, none, none, false},
        {none, MEDIASUBTYPE_RGB24, none, false},
        {none, none, FORMAT_VideoInfo, false},
    };
    for (const Case& c : cases) EXPECT_EQ(MediaTypeMatches(pcm, c.major, c.sub, c.format), c.match);
}

TEST(MediaTypeTest, FourccSubtypeHasTheStandardTail)
{
    GUID yuy2 = MediaSubtypeFromFourcc(0x32595559);
    EXPECT_EQ(yuy2.Data1, 0x32595559u);
    EXPECT_EQ(yuy2.Data3, 0x0010);
    EXPECT_EQ(yuy2.Data4[7], 0x71);
    EXPECT_EQ(MediaSubtypeFromFourcc(1), MEDIASUBTYPE_PCM);
}

TEST(MediaTypeTest, CodedFormatBoundsItsExtraData)
{
    CMediaType type;
    type.SetType(MEDIATYPE_Audio);
    type.SetSubtype(MEDIASUBTYPE_Coded);
    type.SetFormatType(FORMAT_CodecParams);
    auto* format = reinterpret_cast<CODECFORMAT*>(type.AllocFormatBuffer(sizeof(CODECFORMAT) + 4));
    format->channels = 2;
    format->extraSize = 4;
    const BYTE* extra = nullptr;
    EXPECT_NE(CodecFormatOf(type, &extra), nullptr);
    EXPECT_EQ(extra, type.pbFormat + sizeof(CODECFORMAT));

    struct Case {
        DWORD extraSize;
        DWORD channels;
    } refused[] = {{5, 2}, {0xFFFFFFFF, 2}, {4, kMaxChannels + 1}};
    for (const Case& c : refused) {
        format->extraSize = c.extraSize;
        format->channels = c.channels;
        EXPECT_EQ(CodecFormatOf(type, &extra), nullptr) << c.extraSize << " " << c.channels;
    }
}

TEST(MediaTypeTest, RgbVideoInfoAcceptsOnlyWholePicturesWithinBounds)
{
    CMediaType type;
    MakeRgbVideoType(type, MEDIASUBTYPE_RGB32, 64, 48, kUnitsPerSecond / 25);
    auto* info = reinterpret_cast<VIDEOINFOHEADER*>(type.pbFormat);
    EXPECT_EQ(info->bmiHeader.biSizeImage, 64u * 48 * 4);
    EXPECT_EQ(RgbVideoInfo(type), info);

    struct Case {
        LONG width, height;
        WORD bits;
        bool accepted;
    } cases[] = {
        {64, -48, 32, true},           {0, 48, 32, false},     {64, 0, 32, false},
        {kMaxVideoSide + 1, 48, 32, false}, {64, LONG(0x80000000), 32, false}, {64, 48, 24, false},
    };
    for (const Case& c : cases) {
        info->bmiHeader.biWidth = c.width;
        info->bmiHeader.biHeight = c.height;
        info->bmiHeader.biBitCount = c.bits;
        EXPECT_EQ(RgbVideoInfo(type) != nullptr, c.accepted) << c.width << "x" << c.height << "x" << c.bits;
    }
    type.AllocFormatBuffer(sizeof(VIDEOINFOHEADER) - 1);
    EXPECT_EQ(RgbVideoInfo(type), nullptr);
}
