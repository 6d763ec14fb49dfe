#include "EngineTestFilters.h"
#include "UDirectShowInterface.h"
#include "UDirectShowUtils.h"
#include "VideoFormatBlocks.h"

#include "dshow/MediaType.h"
#include "win32/dialogs/MessageBox.h"
#include "win32/windowing/Shell.h"
#include "win32/audio/WaveFormat.h"

#include <gtest/gtest.h>

namespace {

CMediaType Video(EColorFormat format, unsigned short w, unsigned short h, bool info2 = false)
{
    CMediaType t;
    const bool ok = info2 ? UDirectShowUtils::MakeVideoInfo2(&t, format, false, w, h)
                          : UDirectShowUtils::MakeVideoInfo(&t, format, false, w, h);
    EXPECT_TRUE(ok);
    return t;
}

CMediaType Audio(unsigned long rate, char channels, char bits)
{
    CMediaType t;
    EXPECT_TRUE(UDirectShowUtils::MakeAudioInfo(&t, rate, channels, bits));
    return t;
}

// A filter with one output pin offering the types; released by the fixture.
class PinSearchTest : public ::testing::Test {
protected:
    IPin* Offer(std::vector<CMediaType> types, bool accepts = true)
    {
        return m_filter->AddOffering(PINDIR_OUTPUT, u"Out" + std::u16string(1, char16_t(u'0' + m_count++)),
                                     std::move(types), accepts);
    }
    void TearDown() override { m_filter->Release(); }
    COfferFilter* m_filter = new COfferFilter();
    int m_count = 0;
};

} // namespace

TEST(UDirectShowUtilsTest, ColorFormatsMapBothWays)
{
    for (int value : {100, 101, 102, 103, 106, 107, 200, 201, 202, 203, 204, 205, 206, 208, 209, 210}) {
        CMediaType t;
        t.SetType(MEDIATYPE_Video);
        t.SetSubtype(UDirectShowUtils::GetColorType(EColorFormat(value)));
        EXPECT_EQ(UDirectShowUtils::GetColorFormat(&t), value) << value;
    }
    EXPECT_EQ(UDirectShowUtils::GetColorType(EColorFormat(106)), MEDIASUBTYPE_ARGB32);
    EXPECT_EQ(UDirectShowUtils::GetColorType(EColorFormat(107)), MEDIASUBTYPE_RGB32);
    // IYUV is reported as I420.
    CMediaType iyuv;
    iyuv.SetType(MEDIATYPE_Video);
    iyuv.SetSubtype(UDirectShowUtils::GetColorType(EColorFormat(207)));
    EXPECT_EQ(UDirectShowUtils::GetColorFormat(&iyuv), 210);
    EXPECT_EQ(UDirectShowUtils::GetFourcc(iyuv.subtype), 0x56555949u);
    EXPECT_EQ(UDirectShowUtils::GetColorType(EColorFormat(104)), GUID{});
    EXPECT_EQ(UDirectShowUtils::GetColorType(kColorNone), GUID{});
    // An audio type has no colour format, whatever its subtype.
    CMediaType audio = Audio(44100, 2, 16);
    audio.SetSubtype(MEDIASUBTYPE_RGB24);
    EXPECT_EQ(UDirectShowUtils::GetColorFormat(&audio), kColorNone);
    EXPECT_EQ(UDirectShowUtils::GetColorFormat(nullptr), kColorNone);
}

TEST(UDirectShowUtilsTest, BitmapHeadersFollowTheFormatTable)
{
    struct Case {
        int format;
        WORD bits;
        DWORD compression;
        DWORD colours;
    };
    const Case cases[] = {
        {100, 8, BI_RGB, 256},  {101, 16, BI_BITFIELDS, 0}, {102, 16, BI_BITFIELDS, 0},
        {103, 24, BI_RGB, 0},   {106, 32, BI_RGB, 0},       {107, 32, BI_RGB, 0},
        {204, 16, 0x32595559, 0}, {208, 12, 0x32315659, 0}, {209, 9, 0x39555659, 0},
    };
    for (const Case& c : cases) {
        BITMAPINFOHEADER h{};
        ASSERT_TRUE(UDirectShowUtils::FillBitmapInfoHeader(EColorFormat(c.format), 322, 240, true, &h)) << c.format;
        EXPECT_EQ(h.biSize, 40u);
        EXPECT_EQ(h.biPlanes, 1);
        EXPECT_EQ(h.biWidth, 322);
        EXPECT_EQ(h.biHeight, -240);
        EXPECT_EQ(h.biBitCount, c.bits) << c.format;
        EXPECT_EQ(h.biCompression, c.compression) << c.format;
        EXPECT_EQ(h.biClrUsed, c.colours) << c.format;
    }
    BITMAPINFOHEADER rgb24{};
    ASSERT_TRUE(UDirectShowUtils::FillBitmapInfoHeader(EColorFormat(103), 322, 240, false, &rgb24));
    EXPECT_EQ(rgb24.biHeight, 240);
    EXPECT_EQ(rgb24.biSizeImage, 968u * 240); // 322 x 3 = 966, rounded up to 968 per line
    for (int noBits : {202, 203, 206, 0, 104}) {
        BITMAPINFOHEADER h{};
        EXPECT_FALSE(UDirectShowUtils::FillBitmapInfoHeader(EColorFormat(noBits), 16, 16, false, &h)) << noBits;
    }
    VIDEOINFO info{};
    ASSERT_TRUE(UDirectShowUtils::FillBitmapInfoHeader(EColorFormat(102), 16, 16, false, &info));
    EXPECT_EQ(info.dwBitMasks[0], 0xF800u);
    EXPECT_EQ(info.dwBitMasks[1], 0x07E0u);
    EXPECT_EQ(info.dwBitMasks[2], 0x001Fu);
}

TEST(UDirectShowUtilsTest, VideoAndAudioTypesCarryTheirBlocks)
{
    CMediaType v = Video(EColorFormat(100), 64, 48);
    EXPECT_EQ(v.majortype, MEDIATYPE_Video);
    EXPECT_EQ(v.subtype, MEDIASUBTYPE_RGB8);
    EXPECT_EQ(v.formattype, FORMAT_VideoInfo);
    EXPECT_TRUE(v.bFixedSizeSamples);
    EXPECT_EQ(v.lSampleSize, 64u * 48);
    const auto* info = MediaFormatAs<VIDEOINFO>(v, FORMAT_VideoInfo);
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->bmiColors[215].rgbRed, 255); // the colour cube ends in white
    unsigned short w = 0, h = 0;
    ASSERT_TRUE(UDirectShowUtils::GetVideoSize(&v, w, h));
    EXPECT_EQ(w, 64);
    EXPECT_EQ(h, 48);

    CMediaType v2;
    ASSERT_TRUE(UDirectShowUtils::MakeVideoInfo2(&v2, EColorFormat(204), true, 720, 576));
    EXPECT_EQ(v2.formattype, FORMAT_VideoInfo2);
    ASSERT_TRUE(UDirectShowUtils::GetVideoSize(&v2, w, h));
    EXPECT_EQ(h, 576); // absolute height of a top-down image
    CMediaType none;
    EXPECT_FALSE(UDirectShowUtils::MakeVideoInfo(&none, EColorFormat(202), false, 16, 16));
    EXPECT_FALSE(UDirectShowUtils::GetVideoSize(&none, w, h));

    CMediaType a = Audio(22050, 2, 16);
    const auto* wave = MediaFormatAs<WAVEFORMATEX>(a, FORMAT_WaveFormatEx);
    ASSERT_NE(wave, nullptr);
    EXPECT_EQ(a.cbFormat, 18u);
    EXPECT_EQ(wave->wFormatTag, WAVE_FORMAT_PCM);
    EXPECT_EQ(wave->nBlockAlign, 4);
    EXPECT_EQ(wave->nAvgBytesPerSec, 88200u);
    EXPECT_EQ(wave->cbSize, 0);
    EXPECT_EQ(a.lSampleSize, 88200u);
    // Block align by integer division: 1 channel of 12 bits gives 1 byte.
    CMediaType odd = Audio(8000, 1, 12);
    EXPECT_EQ(MediaFormatAs<WAVEFORMATEX>(odd, FORMAT_WaveFormatEx)->nBlockAlign, 1);

    VIDEOINFOHEADER2 copy2{};
    UDirectShowUtils::CopyVideoInfo(&copy2, info);
    EXPECT_EQ(copy2.bmiHeader.biWidth, 64);
    VIDEOINFO back{};
    UDirectShowUtils::CopyVideoInfo(&back, &copy2);
    EXPECT_EQ(back.bmiHeader.biSizeImage, info->bmiHeader.biSizeImage);
}

TEST(UDirectShowUtilsTest, FrameRatesHaveTwoDecimals)
{
    EXPECT_DOUBLE_EQ(UDirectShowUtils::GetFrameRate(333667), 29.97);
    EXPECT_DOUBLE_EQ(UDirectShowUtils::GetFrameRate(400000), 25.0);
    EXPECT_DOUBLE_EQ(UDirectShowUtils::GetFrameRate(417083), 23.98);
    EXPECT_EQ(UDirectShowUtils::GetFrameRate(0), 0.0);
    EXPECT_EQ(UDirectShowUtils::GetFrameRate(-5), 0.0);
}

TEST(UDirectShowUtilsTest, FrameTimesComeFromEitherVideoBlock)
{
    CMediaType v = Video(EColorFormat(103), 32, 24);
    reinterpret_cast<VIDEOINFOHEADER*>(v.pbFormat)->AvgTimePerFrame = 400000;
    EXPECT_EQ(UDirectShowUtils::GetAverageTimePerFrame(&v), 400000);
    CMediaType v2;
    ASSERT_TRUE(UDirectShowUtils::MakeVideoInfo2(&v2, EColorFormat(204), false, 32, 24));
    reinterpret_cast<VIDEOINFOHEADER2*>(v2.pbFormat)->AvgTimePerFrame = 333667;
    EXPECT_EQ(UDirectShowUtils::GetAverageTimePerFrame(&v2), 333667);
    CMediaType a = Audio(22050, 2, 16);
    EXPECT_EQ(UDirectShowUtils::GetAverageTimePerFrame(&a), 0);
    EXPECT_EQ(UDirectShowUtils::GetAverageTimePerFrame(nullptr), 0);
}

TEST(UDirectShowUtilsTest, DvStreamsAreKnownByTheirTypes)
{
    auto fourcc = [](const char* c) {
        return DWORD(BYTE(c[0])) | DWORD(BYTE(c[1])) << 8 | DWORD(BYTE(c[2])) << 16 | DWORD(BYTE(c[3])) << 24;
    };
    const struct {
        const GUID major;
        const char* subtype;
        bool dv;
    } cases[] = {
        {MEDIATYPE_Video, "dvsd", true},  {MEDIATYPE_Video, "dvhd", true}, {MEDIATYPE_Video, "dvsl", true},
        {MEDIATYPE_Video, "dv25", true},  {MEDIATYPE_Video, "dv50", true}, {MEDIATYPE_Video, "dvh1", true},
        {MediaSubtypeFromFourcc(fourcc("iavs")), "dvsd", true},
        {MEDIATYPE_Video, "YUY2", false}, {MEDIATYPE_Audio, "dvsd", false}, {MEDIATYPE_Stream, "dvsd", false},
    };
    for (const auto& c : cases) {
        CMediaType type;
        type.majortype = c.major;
        type.subtype = MediaSubtypeFromFourcc(fourcc(c.subtype));
        EXPECT_EQ(UDirectShowUtils::IsDvMediaType(&type), c.dv) << c.subtype;
    }
    EXPECT_FALSE(UDirectShowUtils::IsDvMediaType(nullptr));
}

TEST(UDirectShowUtilsTest, VersionCheckFindsTheProbedRuntimeAndStaysQuiet)
{
    // The platform counts the probed graphics libraries as present, as the runtime it stands in for.
    EXPECT_EQ(UDirectShowUtils::GetDXVersion(), 0x801u);
    EXPECT_EQ(UDirectShowUtils::GetWMFVersion(), 0x900u);
    MvTakeShownMessageBoxes();
    EXPECT_TRUE(UDirectShowInterface::CheckValidVersion(true));
    EXPECT_TRUE(MvTakeShownMessageBoxes().empty());
}

TEST_F(PinSearchTest, TypeSearchesWalkEveryOfferedType)
{
    IPin* mixed = Offer({Audio(8000, 1, 8), Audio(44100, 2, 16), Audio(22050, 2, 24), Video(EColorFormat(103), 8, 8)});
    EXPECT_EQ(UDirectShowUtils::CountMediaTypes(mixed), 4);
    EXPECT_TRUE(UDirectShowUtils::HasPcmAudioType(mixed));
    EXPECT_TRUE(UDirectShowUtils::HasUncompressedVideoType(mixed));

    unsigned long rate = 0;
    char channels = 0, bits = 0;
    ASSERT_TRUE(UDirectShowUtils::GetPinBestAudioFormat(mixed, rate, channels, bits));
    EXPECT_EQ(rate, 22050u);
    EXPECT_EQ(channels, 2);
    EXPECT_EQ(bits, 24);

    AM_MEDIA_TYPE* found = UDirectShowUtils::FindAudioMediaType(mixed, 44100, 2, 0, 0);
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(reinterpret_cast<WAVEFORMATEX*>(found->pbFormat)->wBitsPerSample, 16);
    DeleteMediaType(found);
    EXPECT_EQ(UDirectShowUtils::FindAudioMediaType(mixed, 44100, 2, 8, 0), nullptr);
    found = UDirectShowUtils::FindAudioMediaType(mixed, 44100, 2, 16, 44100 * 4 * 8);
    EXPECT_NE(found, nullptr);
    DeleteMediaType(found);
    EXPECT_EQ(UDirectShowUtils::FindAudioMediaType(mixed, 44100, 2, 16, 128000), nullptr);

    found = UDirectShowUtils::GetMediaType(mixed, 3);
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->majortype, MEDIATYPE_Video);
    DeleteMediaType(found);
    EXPECT_EQ(UDirectShowUtils::GetMediaType(mixed, 4), nullptr);
    EXPECT_EQ(UDirectShowUtils::GetPinBitrate(mixed), 8000u * 8);

    found = UDirectShowUtils::FindVideoMediaType(mixed, EColorFormat(103));
    EXPECT_NE(found, nullptr);
    DeleteMediaType(found);
    EXPECT_EQ(UDirectShowUtils::FindVideoMediaType(mixed, EColorFormat(204)), nullptr);

    GUID sub{};
    EXPECT_EQ(UDirectShowUtils::FindAcceptedMediaType(mixed, sub), MEDIATYPE_Audio);
    EXPECT_EQ(sub, MEDIASUBTYPE_PCM);
    IPin* refusing = Offer({Audio(8000, 1, 8)}, false);
    sub = GUID{};
    EXPECT_EQ(UDirectShowUtils::FindAcceptedMediaType(refusing, sub), GUID{});
    EXPECT_EQ(sub, GUID{});

    IPin* empty = Offer({});
    EXPECT_EQ(UDirectShowUtils::CountMediaTypes(empty), 0);
    EXPECT_FALSE(UDirectShowUtils::GetPinBestAudioFormat(empty, rate, channels, bits));
    EXPECT_FALSE(UDirectShowUtils::HasPcmAudioType(nullptr));
}

TEST_F(PinSearchTest, VideoFormatAndColourFamilies)
{
    CMediaType yuy2 = Video(EColorFormat(204), 720, 576, true);
    reinterpret_cast<VIDEOINFOHEADER2*>(yuy2.pbFormat)->dwPictAspectRatioX = 16;
    reinterpret_cast<VIDEOINFOHEADER2*>(yuy2.pbFormat)->dwPictAspectRatioY = 9;
    reinterpret_cast<VIDEOINFOHEADER2*>(yuy2.pbFormat)->AvgTimePerFrame = 400000;
    IPin* pin = Offer({Audio(8000, 1, 8), yuy2});
    unsigned short w = 0, h = 0;
    double rate = 0, aspect = 0;
    ASSERT_TRUE(UDirectShowUtils::GetPinVideoFormat(pin, w, h, rate, aspect));
    EXPECT_EQ(w, 720);
    EXPECT_EQ(h, 576);
    EXPECT_DOUBLE_EQ(rate, 25.0);
    EXPECT_DOUBLE_EQ(aspect, 16.0 / 9);
    EXPECT_TRUE(UDirectShowUtils::NeedsColorConversion(pin, EColorFormat(103)));
    EXPECT_FALSE(UDirectShowUtils::NeedsColorConversion(pin, EColorFormat(208)));
    EXPECT_TRUE(UDirectShowUtils::HasUncompressedVideoType(pin));

    IPin* i420 = Offer({Video(EColorFormat(210), 16, 16)});
    EXPECT_FALSE(UDirectShowUtils::HasUncompressedVideoType(i420));
    IPin* audioOnly = Offer({Audio(8000, 1, 8)});
    EXPECT_FALSE(UDirectShowUtils::GetPinVideoFormat(audioOnly, w, h, rate, aspect));
    EXPECT_FALSE(UDirectShowUtils::NeedsColorConversion(audioOnly, EColorFormat(103)));
}

TEST_F(PinSearchTest, PinFindersByTagIndexAndType)
{
    m_filter->AddOffering(PINDIR_INPUT, u"Audio In", {Audio(8000, 1, 8)});
    m_filter->AddOffering(PINDIR_OUTPUT, u"Video Out", {Video(EColorFormat(103), 8, 8)});
    m_filter->AddOffering(PINDIR_OUTPUT, u"Audio Out", {Audio(8000, 1, 8)});
    IPin* pin = UDirectShowUtils::FindPinByTag(m_filter, PINDIR_OUTPUT, "Audio");
    ASSERT_NE(pin, nullptr);
    EXPECT_EQ(pin, static_cast<IPin*>(m_filter->PinAt(2)));
    pin->Release();
    EXPECT_EQ(UDirectShowUtils::FindPinByTag(m_filter, PINDIR_INPUT, "Video"), nullptr);

    pin = UDirectShowUtils::FindPinByIndex(m_filter, PINDIR_OUTPUT, 0);
    EXPECT_EQ(pin, static_cast<IPin*>(m_filter->PinAt(1)));
    pin->Release();
    EXPECT_EQ(UDirectShowUtils::FindPinByIndex(m_filter, PINDIR_OUTPUT, 2), nullptr);

    pin = UDirectShowUtils::FindPinByType(m_filter, PINDIR_OUTPUT, MEDIATYPE_Audio, GUID{}, GUID{});
    EXPECT_EQ(pin, static_cast<IPin*>(m_filter->PinAt(2)));
    pin->Release();
    EXPECT_EQ(UDirectShowUtils::FindPinByType(m_filter, PINDIR_OUTPUT, MEDIATYPE_Video, MEDIASUBTYPE_RGB24,
                                              FORMAT_VideoInfo2),
              nullptr);
}
