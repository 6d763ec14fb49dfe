#include "CPortableMediaConversion.h"
#include "CTargetConversion.h"
#include "CTargetDecisions.h"
#include "CTargetDevice.h"
#include "CTargetPlatform.h"
#include "MediaTestSupport.h"

#include <cmath>

TEST(TargetConversion, DefaultsOfANewTarget)
{
    CTargetConversion target;
    for (const char* code : {"targ", "mdo2", "out2"}) EXPECT_TRUE(target.IsInstanceOf(Code(code))) << code;
    EXPECT_EQ(kMediaTypeVideo, target.GetMediaType());
    EXPECT_EQ(800000u, target.GetMaxBitrate());
    EXPECT_EQ(2, target.GetHorizontalAlignment());
    EXPECT_EQ(2, target.GetVerticalAlignment());
    for (CVideoOutput2* video : {&target.GetVideoOutput(), &target.GetMinVideoOutput()}) {
        EXPECT_FALSE(video->GetKeepFrameRate());
        EXPECT_FALSE(video->GetKeepSize());
        EXPECT_TRUE(video->GetRegulateTimecode());
    }
    EXPECT_TRUE(target.GetAudioOutput().GetRegulateTimecode());
    EXPECT_FALSE(target.GetAudioOutput().GetAutoSettings());
    EXPECT_TRUE(target.GetMinAudioOutput().GetRegulateTimecode());
    EXPECT_DOUBLE_EQ(1.3333333333333333, target.GetAspectRatio().GetOutput());
    EXPECT_EQ(2, target.GetAspectRatio().GetScaling());
    EXPECT_EQ(&target.GetMinVideoOutput(), target.GetVideoOutput(1));
    EXPECT_EQ(&target.GetVideoOutput(), target.GetVideoOutput(0));
    EXPECT_EQ(&target.GetMinAudioOutput(), target.GetAudioOutput(1));
    EXPECT_EQ(&target.GetAudioOutput(), target.GetAudioOutput(2));
}

TEST(TargetConversion, MediaTypeChoosesWhatIsWanted)
{
    CTargetConversion target;
    NoticeLog log(target);
    EXPECT_TRUE(target.SetMediaType(kMediaTypeAudio));
    EXPECT_FALSE(target.GetWantsVideo());
    EXPECT_TRUE(target.GetWantsAudio());
    EXPECT_TRUE(target.SetMediaType(kMediaTypeVideo));
    EXPECT_TRUE(target.GetWantsVideo());
    EXPECT_TRUE(target.GetWantsAudio());
    EXPECT_EQ((Codes{"tark", "mdo3", "tark", "mdo3"}), log.codes);
}

TEST(TargetConversion, EveryPropertyAnnouncesItsOwnCode)
{
    CTargetConversion target;
    NoticeLog log(target);
    target.SetPexlowId(3);
    target.SetPlatform("PSP");
    target.SetName("n");
    target.SetNotes("x");
    target.SetDirectory("/d/");
    target.SetMaxVideoPixels(1);
    target.SetMinVideoPixels(1);
    target.SetHorizontalAlignment(3);
    target.SetVerticalAlignment(3);
    target.SetMaxBitrate(1);
    target.SetDiscreteVideo(true);
    target.SetDiscreteFrameRate(true);
    target.SetDiscreteAudio(true);
    target.SetCanSync(true);
    target.SetAutoRotation(true);
    EXPECT_FALSE(target.SetPlatform("PSP"));
    EXPECT_EQ((Codes{"tarf", "targ", "tarh", "tari", "tarj", "tarl", "tarm", "tarn", "taro", "tarp", "tarq",
                     "tarr", "tars", "taru", "tarv"}),
              log.codes);
}

TEST(TargetConversion, PixelCountsFallBackToTheOutputSize)
{
    CTargetConversion target;
    target.GetVideoOutput().GetVideoInfo().SetWidth(320);
    target.GetVideoOutput().GetVideoInfo().SetHeight(240);
    target.GetMinVideoOutput().GetVideoInfo().SetWidth(80);
    target.GetMinVideoOutput().GetVideoInfo().SetHeight(60);
    EXPECT_EQ(76800u, target.GetMaxVideoPixels());
    EXPECT_EQ(4800u, target.GetMinVideoPixels());
    target.SetMaxVideoPixels(1000);
    EXPECT_EQ(1000u, target.GetMaxVideoPixels());
}

TEST(TargetConversion, RoundTripsAndRaisesLowAlignments)
{
    CTargetConversion target;
    target.SetPlatform("iPod");
    target.SetName("AAC for iPod");
    target.SetNotes("notes");
    target.SetDirectory("/music/");
    target.SetMediaType(kMediaTypeAudio);
    target.SetPexlowId(-4);
    target.SetMaxVideoPixels(307200);
    target.SetMinVideoPixels(4800);
    target.SetMaxBitrate(320000);
    target.SetDiscreteFrameRate(true);
    target.SetCanSync(true);
    target.SetAutoRotation(true);
    target.GetMinVideoOutput().SetBitrate(128000);
    target.GetMinAudioOutput().GetAudioInfo().SetSampleRate(8000);
    target.GetAspectRatio().SetOutput(16.0 / 9.0);
    for (auto copy : {BinaryCopy(target), XmlCopy(target)}) {
        EXPECT_STREQ("iPod", copy->GetPlatform());
        EXPECT_STREQ("AAC for iPod", copy->GetName());
        EXPECT_STREQ("notes", copy->GetNotes());
        EXPECT_STREQ("/music/", copy->GetDirectory());
        EXPECT_EQ(kMediaTypeAudio, copy->GetMediaType());
        EXPECT_FALSE(copy->GetWantsVideo());
        EXPECT_EQ(-4, copy->GetPexlowId());
        EXPECT_EQ(307200u, copy->GetMaxVideoPixels());
        EXPECT_EQ(4800u, copy->GetMinVideoPixels());
        EXPECT_EQ(320000u, copy->GetMaxBitrate());
        EXPECT_TRUE(copy->GetDiscreteFrameRate());
        EXPECT_FALSE(copy->GetDiscreteVideo());
        EXPECT_TRUE(copy->GetCanSync());
        EXPECT_TRUE(copy->GetAutoRotation());
        EXPECT_EQ(128000u, copy->GetMinVideoOutput().GetBitrate());
        EXPECT_EQ(8000u, copy->GetMinAudioOutput().GetAudioInfo().GetSampleRate());
        EXPECT_DOUBLE_EQ(16.0 / 9.0, copy->GetAspectRatio().GetOutput());
    }
    std::string xml = XmlText(target);
    for (const char* key : {"pexlow", "media_type", "max_bitrate", "can_sync", "min_video_output",
                            "min_audio_output", "aspect_ratio", "horizontal_alignment"})
        EXPECT_TRUE(HasElement(xml, key)) << key;

    target.SetHorizontalAlignment(0);
    target.SetVerticalAlignment(1);
    for (auto copy : {BinaryCopy(target), XmlCopy(target)}) {
        EXPECT_EQ(2, copy->GetHorizontalAlignment());
        EXPECT_EQ(2, copy->GetVerticalAlignment());
    }
}

TEST(TargetPlatform, DefaultsNoticesAndRoundTrip)
{
    CTargetPlatform platform;
    EXPECT_TRUE(platform.IsInstanceOf(Code("name")));
    EXPECT_TRUE(platform.GetActive());
    EXPECT_FALSE(platform.GetCanSync());
    EXPECT_STREQ("Sync to device.", platform.GetSyncText());
    EXPECT_STREQ("Quorlan", platform.GetDefaultPlayList());
    NoticeLog log(platform);
    platform.SetName("iPod");
    platform.SetPexlowId(9);
    platform.SetCanSync(true);
    platform.SetActive(false);
    platform.SetSyncText("Sync now.");
    platform.SetDefaultPlayList("Mine");
    platform.SetNotes("n");
    EXPECT_EQ((Codes{"namf", "tpla", "tplb", "tplc", "tpld", "tple", "tplf"}), log.codes);
    for (auto copy : {BinaryCopy(platform), XmlCopy(platform)}) {
        EXPECT_STREQ("iPod", copy->GetName());
        EXPECT_EQ(9, copy->GetPexlowId());
        EXPECT_TRUE(copy->GetCanSync());
        EXPECT_FALSE(copy->GetActive());
        EXPECT_STREQ("Sync now.", copy->GetSyncText());
        EXPECT_STREQ("Mine", copy->GetDefaultPlayList());
        EXPECT_STREQ("n", copy->GetNotes());
    }
}

TEST(TargetDevice, CapsAreKeptInRange)
{
    CTargetDevice device;
    EXPECT_EQ(100, device.GetQuality());
    EXPECT_EQ(800000u, device.GetVideoMaxBitrate());
    EXPECT_EQ(192000u, device.GetAudioMaxBitrate());
    EXPECT_TRUE(device.SetVideoMaxBitrate(100000));
    EXPECT_EQ(160000u, device.GetVideoMaxBitrate());
    EXPECT_TRUE(device.SetVideoMaxBitrate(3000000));
    EXPECT_EQ(2500000u, device.GetVideoMaxBitrate());
    EXPECT_TRUE(device.SetAudioMaxBitrate(500000));
    EXPECT_EQ(320000u, device.GetAudioMaxBitrate());
    EXPECT_TRUE(device.SetAudioMaxBitrate(10));
    EXPECT_EQ(8000u, device.GetAudioMaxBitrate());

    struct Case {
        unsigned char given, stored;
    };
    for (Case c : {Case{0, 5}, Case{1, 5}, Case{5, 5}, Case{50, 50}, Case{52, 50}, Case{53, 55}, Case{99, 100},
                   Case{100, 100}, Case{255, 100}}) {
        device.SetQuality(c.given);
        EXPECT_EQ(c.stored, device.GetQuality()) << int(c.given);
    }
    device.SetQuality(35);
    NoticeLog log(device);
    EXPECT_FALSE(device.SetQuality(35));
    EXPECT_TRUE(device.SetVideoMaxBitrate(900000));
    EXPECT_EQ((Codes{"tdex"}), log.codes);
    auto copy = XmlCopy(device);
    EXPECT_EQ(35, copy->GetQuality());
    EXPECT_EQ(900000u, BinaryCopy(device)->GetVideoMaxBitrate());
}

class PortableDevice : public ::testing::Test {
protected:
    void SetUp() override
    {
        CTargetConversion* video = decisions.CreateTarget("PSP", "MPEG-4 for PSP", kMediaTypeVideo);
        video->SetMaxBitrate(1500000);
        decisions.CreateTarget("PSP", "Second video", kMediaTypeVideo)->SetMaxBitrate(600000);
        decisions.CreateTarget("PSP", "MP3 for PSP", kMediaTypeAudio)->SetMaxBitrate(256000);
    }
    CTargetDecisions decisions;
};

TEST_F(PortableDevice, RenamingFillsEmptyTargetsAndTheirCaps)
{
    CPortableMediaConversion device;
    EXPECT_TRUE(device.IsInstanceOf(Code("name")));
    EXPECT_TRUE(device.GetAddToSync());
    EXPECT_TRUE(device.GetAddToPlayList());
    EXPECT_STREQ("Quorlan", device.GetPlayList());
    NoticeLog log(device);
    EXPECT_TRUE(device.SetName("PSP"));
    EXPECT_STREQ("MPEG-4 for PSP", device.GetVideoTarget());
    EXPECT_STREQ("MP3 for PSP", device.GetAudioTarget());
    EXPECT_EQ(1500000u, device.GetDevice().GetVideoMaxBitrate());
    EXPECT_EQ(256000u, device.GetDevice().GetAudioMaxBitrate());
    EXPECT_EQ((Codes{"namf", "pmeh", "pmei"}), log.codes);

    EXPECT_TRUE(device.SetVideoTarget("Second video"));
    EXPECT_EQ(600000u, device.GetDevice().GetVideoMaxBitrate());
    // A chosen target stays when the platform changes.
    EXPECT_TRUE(device.SetName("Other"));
    EXPECT_STREQ("Second video", device.GetVideoTarget());
}

TEST_F(PortableDevice, EmptyNamesAreRefused)
{
    CPortableMediaConversion device;
    device.SetName("PSP");
    EXPECT_FALSE(device.SetVideoTarget(""));
    EXPECT_FALSE(device.SetAudioTarget(nullptr));
    EXPECT_FALSE(device.SetPlayList(""));
    EXPECT_STREQ("MPEG-4 for PSP", device.GetVideoTarget());
    EXPECT_STREQ("Quorlan", device.GetPlayList());
    // An unknown target is stored but leaves the caps.
    EXPECT_TRUE(device.SetAudioTarget("Unknown"));
    EXPECT_EQ(256000u, device.GetDevice().GetAudioMaxBitrate());
}

TEST(PortableMediaConversion, WithoutCatalogueNamesChangeAlone)
{
    ASSERT_EQ(nullptr, CTargetDecisions::sDecisions);
    CPortableMediaConversion device;
    EXPECT_TRUE(device.SetName("PSP"));
    EXPECT_TRUE(device.GetVideoTarget().IsEmpty());
    EXPECT_TRUE(device.SetVideoTarget("Anything"));
    EXPECT_EQ(800000u, device.GetDevice().GetVideoMaxBitrate());
}

TEST(PortableMediaConversion, ValidatesItsFolderAndRoundTrips)
{
    CPortableMediaConversion device;
    NoticeLog dirLog(device.GetSaveDir());
    EXPECT_STREQ("Please specify the output directory path.", device.Validate());
    EXPECT_EQ((Codes{"2"}), dirLog.codes);
    device.GetSaveDir().SetFilePath("/media/psp");
    EXPECT_EQ(nullptr, device.Validate());

    device.SetName("PSP");
    device.SetVideoTarget("V");
    device.SetAudioTarget("A");
    device.SetAddToSync(false);
    device.SetAddToPlayList(false);
    device.SetPlayList("Mine");
    device.GetDevice().SetQuality(60);
    for (auto copy : {BinaryCopy(device), XmlCopy(device)}) {
        EXPECT_STREQ("PSP", copy->GetName());
        EXPECT_STREQ("V", copy->GetVideoTarget());
        EXPECT_STREQ("A", copy->GetAudioTarget());
        EXPECT_FALSE(copy->GetAddToSync());
        EXPECT_FALSE(copy->GetAddToPlayList());
        EXPECT_STREQ("Mine", copy->GetPlayList());
        EXPECT_EQ(60, copy->GetDevice().GetQuality());
        EXPECT_STREQ("/media/psp/", copy->GetSaveDir().GetFilePath());
    }
    std::string xml = XmlText(device);
    for (const char* key : {"video_target", "audio_target", "play_list"})
        EXPECT_TRUE(HasElement(xml, key)) << key;
}
