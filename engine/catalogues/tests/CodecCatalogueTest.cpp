#include "CAudioCodecsInfo.h"
#include "CAudioCompressorSetting.h"
#include "CTvCodecOption.h"
#include "CVideoCodecsInfo.h"
#include "StApplicationId.h"
#include "UPersistStorage.h"
#include "com/ComRuntime.h"
#include "com/Guid.h"
#include "dshow/DeviceInterfaces.h"
#include "win32/TestHome.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Names(const CCodecsInfo& codecs)
{
    std::vector<std::string> names;
    for (int i = 0; i < codecs.GetCodecCount(); ++i) names.emplace_back(codecs.GetCodec(i)->GetDisplayName());
    return names;
}

// A codec entry of the audio catalogue with bit rates 64, 128 and 320 kbit/s at 44.1 kHz stereo 16 bits.
CAudioCodecInfo* AddMp3(CAudioCodecsInfo& codecs)
{
    CAudioCodecInfo* codec = codecs.Add("MP3 Encoder", "@device:sw:mp3");
    for (ULONG rate : {128000u, 320000u, 64000u}) codec->AddSetting(44100, 2, 16, rate, 0);
    codec->AddSetting(22050, 1, 8, 32000, 0);
    return codec;
}

TEST(CodecInfoTest, SupportNeedsAnEntryThatSaysSo)
{
    CVideoCodecInfo codec;
    EXPECT_FALSE(codec.IsSupported(100));
    EXPECT_FALSE(codec.HasSupported());
    codec.SetSupported(100, false);
    ASSERT_NE(codec.Find(100), nullptr);
    EXPECT_FALSE(codec.IsSupported(100));
    EXPECT_FALSE(codec.HasSupported());
    codec.SetSupported(200, true);
    codec.SetSupported(200, true);
    EXPECT_EQ(codec.GetMuxInfoCount(), 2);
    EXPECT_TRUE(codec.IsSupported(200));
    EXPECT_TRUE(codec.HasSupported());
    codec.ResetMuxInfo();
    EXPECT_EQ(codec.GetMuxInfoCount(), 0);
    EXPECT_FALSE(codec.IsSupported(200));
}

TEST(CodecInfoTest, EncoderControlBits)
{
    struct Case {
        LONG control;
        bool quality, bitrate;
    };
    for (const Case& c : {Case{0, false, false}, Case{1, true, false}, Case{2, false, true}, Case{3, true, true},
                          Case{6, false, true}, Case{0x10, true, true}, Case{0x80, false, false}}) {
        CCodecInfo codec;
        codec.SetEncoderControl(c.control);
        EXPECT_EQ(codec.HasQualityEncoderControl(), c.quality) << c.control;
        EXPECT_EQ(codec.HasBitrateEncoderControl(), c.bitrate) << c.control;
    }
    EXPECT_TRUE(CCodecInfo().GetLoad());
}

TEST(VideoCodecInfoTest, SizesStayOrderedAndTheNearestWins)
{
    CVideoCodecInfo codec;
    unsigned short width = 400, height = 300;
    EXPECT_EQ(codec.FindBestFit(width, height), nullptr);
    EXPECT_EQ(width, 400);
    EXPECT_EQ(height, 300);

    codec.AddResolution(640, 480);
    codec.AddResolution(320, 240);
    codec.AddResolution(640, 360);
    EXPECT_EQ(codec.AddResolution(320, 240), codec.GetSize(0));
    ASSERT_EQ(codec.GetSizeCount(), 3);
    EXPECT_EQ(codec.GetSize(1)->GetHeight(), 360);
    EXPECT_EQ(codec.FindResolution(640, 480), codec.GetSize(2));
    EXPECT_EQ(codec.FindResolution(480, 640), nullptr);

    // 320x240 is 140 away, 640x360 300, 640x480 420.
    EXPECT_EQ(codec.FindBestFit(width, height), codec.GetSize(0));
    EXPECT_EQ(width, 320);
    EXPECT_EQ(height, 240);
}

TEST(AudioCodecInfoTest, TheSameSettingTwiceKeepsOnePathAndTheLastBlockAlign)
{
    CAudioCodecInfo codec;
    codec.AddSetting(44100, 2, 16, 128000, 4);
    codec.AddSetting(8000, 1, 16, 16000, 2);
    codec.AddSetting(44100, 2, 16, 128000, 8);
    ASSERT_EQ(codec.GetSampleRateCount(), 2);
    EXPECT_EQ(codec.GetSampleRate(0)->GetSampleRate(), 8000u);
    const CAudioCodecSampleRate* rate = codec.Find(44100);
    ASSERT_NE(rate, nullptr);
    ASSERT_EQ(rate->GetCount(), 1);
    const CAudioCodecChannel* channel = rate->Find(2);
    ASSERT_NE(channel, nullptr);
    ASSERT_EQ(channel->GetCount(), 1);
    const CAudioCodecBitsPerSample* bits = channel->Find(16);
    ASSERT_NE(bits, nullptr);
    ASSERT_EQ(bits->GetCount(), 1);
    EXPECT_EQ(bits->GetAt(0)->GetBlockAlign(), 8);
}

TEST(AudioCodecInfoTest, BestFitFollowsTheTreeAndTheQuality)
{
    CAudioCodecsInfo codecs;
    const CAudioCodecInfo* codec = AddMp3(codecs);
    struct Case {
        ULONG rate;
        unsigned short channels, bits;
        int quality;
        ULONG expectRate;
        unsigned short expectChannels, expectBits;
        ULONG expectBitrate;
    };
    const Case cases[] = {
        {48000, 2, 16, 0, 44100, 2, 16, 64000},
        {48000, 2, 16, 100, 44100, 2, 16, 320000},
        // Target 64000 + 128000 = 192000: 128000 is nearer than 320000.
        {44100, 6, 24, 50, 44100, 2, 16, 128000},
        {8000, 2, 16, 100, 22050, 1, 8, 32000},
        // A tie between 22050 and 44100 goes to the smaller rate.
        {33075, 1, 8, 100, 22050, 1, 8, 32000},
        // Out-of-range quality is held to the ends of the range.
        {44100, 2, 16, 400, 44100, 2, 16, 320000},
        {44100, 2, 16, -5, 44100, 2, 16, 64000},
    };
    for (const Case& c : cases) {
        ULONG rate = c.rate, bitrate = 1;
        unsigned short channels = c.channels, bits = c.bits;
        ASSERT_TRUE(codec->FindBestFit(rate, channels, bits, bitrate, c.quality)) << c.rate;
        EXPECT_EQ(rate, c.expectRate) << c.rate << " " << c.quality;
        EXPECT_EQ(channels, c.expectChannels) << c.rate << " " << c.quality;
        EXPECT_EQ(bits, c.expectBits) << c.rate << " " << c.quality;
        EXPECT_EQ(bitrate, c.expectBitrate) << c.rate << " " << c.quality;
    }

    const CAudioCodecBitsPerSample* bits = codec->Find(44100)->Find(2)->Find(16);
    EXPECT_EQ(bits->FindBestFitBitrate(100000), 128000u);
    EXPECT_EQ(bits->FindBestFitBelow(300000), 128000u);
    EXPECT_EQ(bits->FindBestFitBelow(64000), 64000u);
    EXPECT_EQ(bits->FindBestFitBelow(63999), 0u);
    CAudioCodecBitsPerSample empty;
    EXPECT_EQ(empty.FindBestFitBitrate(128000), 0u);
    EXPECT_EQ(empty.FindBestFitBelow(128000), 0u);

    CAudioCodecInfo bare;
    ULONG rate = 44100, bitrate = 7;
    unsigned short channels = 2, bitsPerSample = 16;
    EXPECT_FALSE(bare.FindBestFit(rate, channels, bitsPerSample, bitrate, 50));
    EXPECT_EQ(rate, 44100u);
    EXPECT_EQ(bitrate, 7u);
}

TEST(CodecsInfoTest, EntriesMatchByBothNamesAudioAlsoByDisplayNameAlone)
{
    CVideoCodecsInfo video;
    CVideoCodecInfo* first = video.Add("Codec", "dev1");
    EXPECT_EQ(video.Add("Codec", "dev1"), first);
    EXPECT_NE(video.Add("Codec", "dev2"), first);
    EXPECT_EQ(video.Find("Codec", ""), nullptr);

    CAudioCodecsInfo audio;
    CAudioCodecInfo* row = audio.Add("DV Audio", "");
    EXPECT_EQ(audio.Find("DV Audio", "Dummy DV Audio"), row);
    EXPECT_EQ(audio.Add("DV Audio", "anything"), row);
    CAudioCodecInfo* named = audio.Add("Named", "dev");
    EXPECT_EQ(audio.Find("Named", ""), named);
    EXPECT_EQ(audio.Find("Named", "other"), nullptr);
    EXPECT_EQ(audio.GetCodecCount(), 2);
}

class CodecLookupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Add("Zeta Codec", "zeta", true, {100});
        Add("alpha codec", "alpha", false, {100});
        Add("Beta Codec", "beta", true, {100, 200});
        Add("Windows Media Video 9.2", "wmv9", true, {500});
        Add("Windows Media Audio", "wma", true, {500});
        Add("Other", "other", true, {});
    }

    void Add(const char* name, const char* device, bool active, std::initializer_list<ESplitterType> types)
    {
        CVideoCodecInfo* codec = m_codecs.Add(name, device);
        codec->Activate(active);
        for (ESplitterType type : types) codec->SetSupported(type, true);
    }

    CVideoCodecsInfo m_codecs;
};

TEST_F(CodecLookupTest, LookupsKeepToTheFileTypeInNameOrder)
{
    EXPECT_EQ(Names(m_codecs), (std::vector<std::string>{"Beta Codec", "Other", "Windows Media Audio",
                                                          "Windows Media Video 9.2", "Zeta Codec",
                                                          "alpha codec"}));
    EXPECT_STREQ(m_codecs.FindCodec(100)->GetDisplayName(), "Beta Codec");
    EXPECT_STREQ(m_codecs.FindCodec(200)->GetDisplayName(), "Beta Codec");
    EXPECT_EQ(m_codecs.FindCodec(300), nullptr);
    // Naming a codec does not ask it to be active, but it must serve the type.
    EXPECT_NE(m_codecs.FindCodec(100, "alpha codec"), nullptr);
    EXPECT_EQ(m_codecs.FindCodec(200, "Zeta Codec"), nullptr);
    EXPECT_EQ(m_codecs.GetDeviceName(100, "Zeta Codec"), "zeta");
    EXPECT_EQ(m_codecs.GetDeviceName(200, "Zeta Codec"), "");
    EXPECT_STREQ(m_codecs.FindCodecPartialName(100, "ALPHA")->GetDisplayName(), "alpha codec");
    EXPECT_EQ(m_codecs.FindCodecPartialName(100, "media"), nullptr);
    EXPECT_TRUE(m_codecs.ContainFilteredCodec(100, "zeta"));
    EXPECT_FALSE(m_codecs.ContainFilteredCodec(100, "alpha"));
    EXPECT_FALSE(m_codecs.ContainFilteredCodec(100, "Zeta"));
}

TEST_F(CodecLookupTest, CloseMatchIgnoresAVersionSuffix)
{
    EXPECT_STREQ(m_codecs.FindCloseMatchCodec(500, "Windows Media Video 9")->GetDisplayName(),
                 "Windows Media Video 9.2");
    EXPECT_STREQ(m_codecs.FindCloseMatchCodec(500, "Windows Media Audio 10")->GetDisplayName(),
                 "Windows Media Audio");
    EXPECT_EQ(m_codecs.FindCloseMatchCodec(500, "Windows Media Video 8"), nullptr);
    EXPECT_EQ(m_codecs.FindCloseMatchCodec(100, "Beta Codec"), nullptr);
}

TEST(CodecsInfoTest, AProgramMadeRowIsAlsoFoundByItsEnginesCodecName)
{
    CAudioCodecsInfo codecs;
    const auto add = [&](const char* name, const char* device, bool made, ESplitterType type) {
        CAudioCodecInfo* codec = codecs.Add(name, device);
        codec->SetVirtual(made);
        codec->SetSupported(type, true);
        return codec;
    };
    CAudioCodecInfo* aac = add("Engine AAC-LC", "AAC-LC", true, 640);
    add("System AAC", "@device:cm:aac", false, 640);
    CAudioCodecInfo* dummy = add("DV Audio", "Dummy DV Audio", true, 610);
    add("Engine DV Audio", "DV Audio", true, 610);
    add("Windows Media Audio 9", "", true, 200);

    const struct {
        ESplitterType type;
        const char* name;
        CAudioCodecInfo* found;
    } cases[] = {
        {640, "AAC-LC", aac},
        {640, "Engine AAC-LC", aac},
        {630, "AAC-LC", nullptr},          // the type must still be served
        {640, "@device:cm:aac", nullptr},  // a system compressor is named only by its display name
        {610, "DV Audio", dummy},          // a display name wins over an engine's codec name
        {200, "", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.type << " " << c.name);
        EXPECT_EQ(codecs.FindCodec(c.type, c.name), c.found);
    }
    EXPECT_EQ(codecs.GetDeviceName(640, "AAC-LC"), "AAC-LC");
}

TEST(CodecsInfoTest, TheFirstProcessWideCatalogueIsTheOne)
{
    ASSERT_EQ(CVideoCodecsInfo::sInfo, nullptr);
    {
        CVideoCodecsInfo local;
        EXPECT_EQ(CVideoCodecsInfo::sInfo, nullptr);
        CVideoCodecsInfo first(true);
        CVideoCodecsInfo second(true);
        EXPECT_EQ(CVideoCodecsInfo::sInfo, &first);
        CVideoCodecsInfo copy(first);
        EXPECT_EQ(CVideoCodecsInfo::sInfo, &first);
    }
    EXPECT_EQ(CVideoCodecsInfo::sInfo, nullptr);
    CAudioCodecsInfo audio(true);
    EXPECT_EQ(CAudioCodecsInfo::sInfo, &audio);
}

class CodecFileTest : public ::testing::Test {
protected:
    void SetUp() override { StApplicationId::sId = &m_app; }
    void TearDown() override { StApplicationId::sId = m_previous; }

    MvTestHome m_home;
    StApplicationId* m_previous = StApplicationId::sId;
    StApplicationId m_app{98102};
};

TEST_F(CodecFileTest, CataloguesComeBackFromTheirFiles)
{
    const GUID id = {0x12345678, 0x1234, 0x5678, {1, 2, 3, 4, 5, 6, 7, 8}};
    {
        CVideoCodecsInfo video;
        CVideoCodecInfo* codec = video.Add("JPG", "Morvane JPG");
        codec->SetId(id);
        codec->SetVirtual(true);
        codec->SetLoad(false);
        codec->SetBlockSize(8);
        codec->SetEncoderControl(1);
        codec->SetSupported(1700, true);
        codec->SetSupported(1800, false);
        codec->AddResolution(640, 480);
        codec->AddResolution(320, 240);
        codec->Activate(true);
        ASSERT_TRUE(UPersistStorage::SystemSave(video, "Video Compressors", "Video Codecs.xml"));

        CAudioCodecsInfo audio;
        AddMp3(audio)->SetTested(true);
        ASSERT_TRUE(UPersistStorage::SystemSave(audio, "Audio Compressors", "Audio Codecs.xml"));
    }
    CVideoCodecsInfo video;
    ASSERT_TRUE(UPersistStorage::SystemLoad(video, "Video Compressors", "Video Codecs.xml"));
    const CVideoCodecInfo* codec = video.Find("JPG", "Morvane JPG");
    ASSERT_NE(codec, nullptr);
    EXPECT_EQ(codec->GetId(), id);
    EXPECT_TRUE(codec->GetVirtual());
    EXPECT_FALSE(codec->GetLoad());
    EXPECT_EQ(codec->GetBlockSize(), 8);
    EXPECT_EQ(codec->GetEncoderControl(), 1);
    EXPECT_TRUE(codec->IsSupported(1700));
    ASSERT_NE(codec->Find(1800), nullptr);
    EXPECT_FALSE(codec->IsSupported(1800));
    ASSERT_EQ(codec->GetSizeCount(), 2);
    EXPECT_EQ(codec->GetSize(0)->GetWidth(), 320);
    EXPECT_EQ(codec->GetSize(1)->GetHeight(), 480);
    // Activation belongs to the running system, not to the file.
    EXPECT_FALSE(codec->IsActivated());

    CAudioCodecsInfo audio;
    ASSERT_TRUE(UPersistStorage::SystemLoad(audio, "Audio Compressors", "Audio Codecs.xml"));
    const CAudioCodecInfo* mp3 = audio.Find("MP3 Encoder", "@device:sw:mp3");
    ASSERT_NE(mp3, nullptr);
    EXPECT_TRUE(mp3->GetTested());
    ASSERT_EQ(mp3->GetSampleRateCount(), 2);
    const CAudioCodecBitsPerSample* bits = mp3->Find(44100)->Find(2)->Find(16);
    ASSERT_NE(bits, nullptr);
    ASSERT_EQ(bits->GetCount(), 3);
    EXPECT_EQ(bits->GetAt(0)->GetBitrate(), 64000u);
    EXPECT_EQ(bits->GetAt(2)->GetBitrate(), 320000u);
}

TEST_F(CodecFileTest, SystemCompressorsJoinTheStoredEntries)
{
    CoInitialize(nullptr);
    const std::string vorbisDevice = "@device:sw:{33D9A761-90C8-11D0-BD43-00A0C911CE86}\\Vorbis Encoder";
    {
        CAudioCodecsInfo stored;
        CAudioCodecInfo* vorbis = stored.Add("Vorbis Encoder", vorbisDevice.c_str());
        vorbis->AddSetting(44100, 2, 16, 128000, 0);
        vorbis->SetTested(true);
        stored.Add("Gone Encoder", "@device:sw:gone");
        ASSERT_TRUE(UPersistStorage::SystemSave(stored, CAudioCodecsInfo::kFileInfoName, CAudioCodecsInfo::kFileName));
    }
    CAudioCodecsInfo audio;
    ASSERT_TRUE(UPersistStorage::SystemLoad(audio, CAudioCodecsInfo::kFileInfoName, CAudioCodecsInfo::kFileName));
    audio.AddSystemCodecs();
    // The MP3 encoder is reached through the LAME row, so it is not listed among the compressors.
    EXPECT_EQ(Names(audio), (std::vector<std::string>{"AAC Encoder", "FLAC Encoder", "Gone Encoder", "PCM",
                                                       "Vorbis Encoder", "WMA Encoder"}));
    const CAudioCodecInfo* vorbis = audio.Find("Vorbis Encoder", vorbisDevice.c_str());
    ASSERT_NE(vorbis, nullptr);
    EXPECT_TRUE(vorbis->IsActivated());
    EXPECT_TRUE(vorbis->GetTested());
    EXPECT_EQ(vorbis->GetSampleRateCount(), 1);
    EXPECT_EQ(vorbis->GetEncoderControl(), 2);
    EXPECT_TRUE(vorbis->HasBitrateEncoderControl());
    EXPECT_FALSE(audio.Find("Gone Encoder", "@device:sw:gone")->IsActivated());

    // Registered video compressors join an empty catalogue, active and controlled by bit rate.
    CVideoCodecsInfo video;
    video.AddSystemCodecs();
    ASSERT_GT(video.GetCodecCount(), 0);
    const std::string mjpegDevice = "@device:sw:" + GuidToText(CLSID_VideoCompressorCategory) + "\\Motion JPEG";
    const CVideoCodecInfo* mjpeg = video.Find("Motion JPEG", mjpegDevice.c_str());
    ASSERT_NE(mjpeg, nullptr);
    EXPECT_TRUE(mjpeg->IsActivated());
    EXPECT_EQ(mjpeg->GetEncoderControl(), 1);
    CoUninitialize();
}

TEST(TvCodecOptionTest, SettingsAreAddedOnceAndTheRateFollowsTheStandard)
{
    CTvCodecOption option;
    EXPECT_DOUBLE_EQ(option.GetFrameRate(), 29.97);
    option.SetTvType(2);
    EXPECT_DOUBLE_EQ(option.GetFrameRate(), 25.0);
    option.AddVideoSetting(720, 576);
    option.AddVideoSetting(720, 480);
    option.AddVideoSetting(720, 576);
    ASSERT_EQ(option.GetSizeCount(), 2);
    EXPECT_EQ(option.GetSize(0)->GetHeight(), 480);
    option.AddAudioSetting(48000, 2, 16, 1536000);
    option.AddAudioSetting(32000, 2, 16, 1024000);
    option.AddAudioSetting(48000, 2, 16, 1536000);
    ASSERT_EQ(option.GetSampleRateCount(), 2);
    EXPECT_EQ(option.GetSampleRate(0)->GetSampleRate(), 32000u);
    const CAudioCodecBitrate* rate = option.GetSampleRate(1)->Find(2)->Find(16)->Find(1536000);
    ASSERT_NE(rate, nullptr);
    EXPECT_EQ(rate->GetBlockAlign(), 0);

    CTvCodecOption copy(option);
    EXPECT_EQ(copy.GetSizeCount(), 2);
    EXPECT_DOUBLE_EQ(copy.GetFrameRate(), 25.0);
}

TEST(AudioCompressorSettingTest, OnlyTheDvTypeLimitsTheSetting)
{
    struct Case {
        ESplitterType type;
        ULONG rate;
        unsigned short channels, bits;
        bool compatible;
    };
    for (const Case& c : {Case{900, 32000, 2, 16, true}, Case{900, 44100, 2, 16, true}, Case{900, 48000, 2, 16, true},
                          Case{900, 22050, 2, 16, false}, Case{900, 48000, 1, 16, false},
                          Case{900, 48000, 2, 8, false}, Case{100, 8000, 1, 8, true}}) {
        CAudioCompressorSetting setting;
        setting.mSampleRate = c.rate;
        setting.mChannels = c.channels;
        setting.mBitsPerSample = c.bits;
        EXPECT_EQ(setting.IsCompatibleWith(c.type), c.compatible) << c.type << " " << c.rate;
    }
    const CAudioCompressorSetting defaults;
    EXPECT_EQ(defaults.mSampleRate, 22050u);
    EXPECT_FALSE(defaults.IsCompatibleWith(900));
}

}  // namespace

TEST_F(CodecFileTest, EntriesDefaultToTheirKindsEncoderControlAndStoredAudioZeroBecomesBitRate)
{
    EXPECT_EQ(CVideoCodecInfo().GetEncoderControl(), 1);
    EXPECT_EQ(CAudioCodecInfo().GetEncoderControl(), 2);
    {
        CAudioCodecsInfo audio;
        audio.Add("Plain", "@device:sw:plain")->SetEncoderControl(0);
        audio.Add("Quality", "@device:sw:quality")->SetEncoderControl(1);
        ASSERT_TRUE(UPersistStorage::SystemSave(audio, "Audio Compressors", "Audio Controls.xml"));
        CVideoCodecsInfo video;
        video.Add("Raw", "@device:sw:raw")->SetEncoderControl(0);
        ASSERT_TRUE(UPersistStorage::SystemSave(video, "Video Compressors", "Video Controls.xml"));
    }
    CAudioCodecsInfo audio;
    ASSERT_TRUE(UPersistStorage::SystemLoad(audio, "Audio Compressors", "Audio Controls.xml"));
    EXPECT_EQ(audio.Find("Plain", "@device:sw:plain")->GetEncoderControl(), 2);
    EXPECT_EQ(audio.Find("Quality", "@device:sw:quality")->GetEncoderControl(), 1);
    // Video keeps a stored 0: such a codec offers neither control.
    CVideoCodecsInfo video;
    ASSERT_TRUE(UPersistStorage::SystemLoad(video, "Video Compressors", "Video Controls.xml"));
    EXPECT_EQ(video.Find("Raw", "@device:sw:raw")->GetEncoderControl(), 0);
}
