#include "CAudioCaptureData.h"
#include "CAudioCdRipperData.h"
#include "CAudioConverterData.h"
#include "CDulcrestData.h"
#include "CFennowData.h"
#include "CKalmethData.h"
#include "CMetaClassController.h"
#include "COmbrakData.h"
#include "COstrelData.h"
#include "CPellixData.h"
#include "CPortableMediaConversion.h"
#include "CQuorlanData.h"
#include "CScreenRecorderData.h"
#include "CSondrelData.h"
#include "CStrunelData.h"
#include "CTargetDecisions.h"
#include "CTargetPlatform.h"
#include "CVideoSliceData.h"
#include "MediaTestSupport.h"

TEST(Documents, EachRegistersItsCodeAndAnswersForItsBases)
{
    struct Case {
        const char* code;
        std::vector<const char*> also;
    };
    const Case cases[] = {
        {"qrld", {"cvbc"}},         {"plxd", {"awr2"}}, {"ostd", {"awr2"}},         {"stnd", {"dvwr"}},
        {"omkd", {"dvwr"}},         {"snd3", {"awr2"}}, {"dlcd", {"awr2"}},         {"fnwl", {"awr2"}},
        {"scrd", {"awr2"}},         {"acad", {"awr2"}}, {"acdd", {"meb2"}},         {"acvd", {"fil2", "meb2"}},
        {"klmd", {"fil2", "meb2"}}, {"vsld", {"meb2"}},
    };
    for (const Case& c : cases) {
        std::unique_ptr<CPersistObject> made(CMetaClassController::CreateOne(Code(c.code)));
        ASSERT_NE(nullptr, made) << c.code;
        EXPECT_EQ(Code(c.code), made->GetObjectType()) << c.code;
        for (const char* code : c.also) EXPECT_TRUE(made->IsInstanceOf(Code(code))) << c.code << " " << code;
        std::unique_ptr<CPersistObject> clone(made->Clone());
        EXPECT_EQ(Code(c.code), clone->GetObjectType()) << c.code;
    }
}

namespace {
void ExpectRecorderDefaults(CMediaOutput2& output, const char* what)
{
    EXPECT_TRUE(output.GetWantsVideo()) << what;
    CAudioOutput2& audio = output.GetAudioOutput();
    EXPECT_FALSE(audio.GetRemux()) << what;
    EXPECT_FALSE(audio.GetAutoSettings()) << what;
    EXPECT_EQ(1, audio.GetAudioMode()) << what;
    EXPECT_FALSE(audio.GetRegulateTimecode()) << what;
    CVideoOutput2& video = output.GetVideoOutput();
    EXPECT_FALSE(video.GetRemux()) << what;
    EXPECT_FALSE(video.GetGreyScale()) << what;
    EXPECT_TRUE(video.GetKeepFrameRate()) << what;
    EXPECT_TRUE(video.GetKeepSize()) << what;
    EXPECT_FALSE(video.GetRegulateTimecode()) << what;
}
}

TEST(Documents, RecordersAndEditorsStartFromTheRecorderDefaults)
{
    CPellixData pellix;
    COstrelData ostrel;
    CDulcrestData dulcrest;
    CScreenRecorderData screen;
    CVideoSliceData slice;
    ExpectRecorderDefaults(pellix.GetMediaOutput(), "pellix");
    ExpectRecorderDefaults(ostrel.GetMediaOutput(), "ostrel");
    ExpectRecorderDefaults(dulcrest.GetMediaOutput(), "dulcrest");
    ExpectRecorderDefaults(screen.GetMediaOutput(), "screen");
    ExpectRecorderDefaults(slice.GetMediaOutput(), "slice");
    EXPECT_FALSE(dulcrest.GetFilePath().GetAutoNaming());
}

TEST(Documents, AudioAndDvDocumentsStartFromTheirOwnDefaults)
{
    CStrunelData strunel;
    EXPECT_EQ(110, strunel.GetOutputType().GetSplitterType());
    EXPECT_FALSE(strunel.GetFilePath().GetAutoNaming());
    COmbrakData ombrak;
    EXPECT_EQ(100, ombrak.GetOutputType().GetSplitterType());

    CSondrelData sondrel;
    EXPECT_FALSE(sondrel.GetMediaOutput().GetWantsVideo());
    EXPECT_TRUE(sondrel.GetMediaOutput().GetWantsAudio());
    EXPECT_TRUE(sondrel.GetMediaOutput().GetAudioOutput().GetAutoSettings());
    EXPECT_EQ(50, sondrel.GetMediaOutput().GetAudioOutput().GetQuality());
    EXPECT_FALSE(sondrel.GetFilePath().GetAutoNaming());

    CAudioCaptureData capture;
    EXPECT_FALSE(capture.GetMediaOutput().GetWantsVideo());
    EXPECT_EQ(1, capture.GetMediaOutput().GetAudioOutput().GetAudioMode());
    EXPECT_FALSE(capture.GetMediaOutput().GetAudioOutput().GetRegulateTimecode());

    CAudioCdRipperData ripper;
    EXPECT_FALSE(ripper.GetMediaOutput().GetWantsVideo());
    EXPECT_EQ(0, ripper.GetMediaOutput().GetAudioOutput().GetAudioMode());
    EXPECT_FALSE(ripper.GetMediaOutput().GetAudioOutput().GetRemux());

    CAudioConverterData audio;
    EXPECT_FALSE(audio.GetMediaOutput().GetWantsVideo());
    EXPECT_EQ(0, audio.GetMediaOutput().GetAudioOutput().GetAudioMode());
    CKalmethData video;
    EXPECT_TRUE(video.GetMediaOutput().GetWantsVideo());
    EXPECT_EQ(0, video.GetMediaOutput().GetAudioOutput().GetAudioMode());
}

TEST(Documents, MembersRoundTripUnderTheirKeys)
{
    CPellixData pellix;
    pellix.GetVideoRecorder().SetFrameRate(25);
    EXPECT_DOUBLE_EQ(25, BinaryCopy(pellix)->GetVideoRecorder().GetFrameRate());
    EXPECT_DOUBLE_EQ(25, XmlCopy(pellix)->GetVideoRecorder().GetFrameRate());
    EXPECT_NE(std::string::npos, XmlText(pellix).find("<video_recorder"));

    CSondrelData sondrel;
    sondrel.GetInput().GetFilePath().SetFilePath("/in/a.avi");
    EXPECT_STREQ("/in/a.avi", BinaryCopy(sondrel)->GetInput().GetFilePath().GetFilePath());
    EXPECT_STREQ("/in/a.avi", XmlCopy(sondrel)->GetInput().GetFilePath().GetFilePath());

    CAudioCaptureData capture;
    capture.GetSource().SetConnector("Line In");
    EXPECT_STREQ("Line In", BinaryCopy(capture)->GetSource().GetConnector());
    EXPECT_NE(std::string::npos, XmlText(capture).find("<source"));

    CFennowData fennow;
    EXPECT_NE(std::string::npos, XmlText(fennow).find("<slide_show"));

    CStrunelData strunel;
    strunel.GetVideoRecorder().SetTimeStamp(true);
    EXPECT_TRUE(XmlCopy(strunel)->GetVideoRecorder().GetTimeStamp());
    EXPECT_EQ(110, BinaryCopy(strunel)->GetOutputType().GetSplitterType());

    CVideoSliceData slice;
    slice.GetInput().SetDuration(3);
    EXPECT_DOUBLE_EQ(3, XmlCopy(slice)->GetInput().GetDuration());
}

TEST(Documents, LoadingRestoresWhatEachApplicationNeeds)
{
    CScreenRecorderData screen;
    screen.GetMediaOutput().SetWantsAudio(true);
    screen.GetMediaOutput().SetWantsVideo(false);
    screen.GetMediaOutput().GetVideoOutput().SetGreyScale(true);
    screen.GetMediaOutput().GetVideoOutput().SetKeepSize(false);
    auto loadedScreen = BinaryCopy(screen);
    EXPECT_TRUE(loadedScreen->GetMediaOutput().GetWantsVideo());
    EXPECT_FALSE(loadedScreen->GetMediaOutput().GetVideoOutput().GetGreyScale());
    EXPECT_TRUE(loadedScreen->GetMediaOutput().GetVideoOutput().GetKeepSize());

    CDulcrestData dulcrest;
    dulcrest.GetMediaOutput().GetVideoOutput().SetGreyScale(true);
    EXPECT_FALSE(XmlCopy(dulcrest)->GetMediaOutput().GetVideoOutput().GetGreyScale());

    CAudioCdRipperData ripper;
    ripper.GetMediaOutput().SetWantsVideo(true);
    ripper.GetMediaOutput().GetAudioOutput().SetRemux(true);
    ripper.GetMediaOutput().GetAudioOutput().SetRegulateTimecode(true);
    auto loadedRipper = BinaryCopy(ripper);
    EXPECT_FALSE(loadedRipper->GetMediaOutput().GetWantsVideo());
    EXPECT_FALSE(loadedRipper->GetMediaOutput().GetAudioOutput().GetRemux());
    EXPECT_FALSE(loadedRipper->GetMediaOutput().GetAudioOutput().GetRegulateTimecode());

    CAudioConverterData audio;
    audio.GetMediaOutput().SetWantsVideo(true);
    EXPECT_FALSE(BinaryCopy(audio)->GetMediaOutput().GetWantsVideo());

    CKalmethData video;
    video.GetMediaOutput().SetWantsVideo(false);
    EXPECT_TRUE(BinaryCopy(video)->GetMediaOutput().GetWantsVideo());
}

TEST(ScreenRecorderData, HotKeysAndValidation)
{
    CScreenRecorderData screen;
    const unsigned char codes[] = {13, 35, 32};
    for (int i = 0; i < 3; ++i) {
        CHotKey2* key = screen.GetHotKey(i);
        ASSERT_NE(nullptr, key);
        EXPECT_TRUE(key->GetCtl());
        EXPECT_FALSE(key->GetAlt());
        EXPECT_FALSE(key->GetShift());
        EXPECT_EQ(codes[i], key->GetKeyCode());
    }
    EXPECT_EQ(nullptr, screen.GetHotKey(3));
    EXPECT_EQ(nullptr, screen.GetHotKey(-1));

    screen.GetHotKey(1)->SetKeyCode(80);
    screen.GetAppControl().SetMinimize(true);
    auto copy = XmlCopy(screen);
    EXPECT_EQ(80, copy->GetHotKey(1)->GetKeyCode());
    EXPECT_EQ(32, copy->GetHotKey(2)->GetKeyCode());
    EXPECT_TRUE(copy->GetAppControl().GetMinimize());
    EXPECT_NE(std::string::npos, XmlText(screen).find("<Screen_Recorder"));

    EXPECT_STREQ("Please specify the output file name.", screen.Validate());
    screen.GetFilePath().SetFilePath("/out/screen.avi");
    screen.GetScreenRecorder().GetScreenSource().SetCapture(CScreenSource2::kCaptureWindowKind);
    EXPECT_STREQ("Please specify the window for the recording.", screen.Validate());
}

class DeviceConverter : public ::testing::Test {
protected:
    void SetUp() override
    {
        CQuorlanData::sPspSequence = 0;
        decisions.AddPSPTarget();
        decisions.AddZuneTarget();
        decisions.EnsurePlatforms();
        CTargetPlatform* psp = decisions.FindPlatform("PSP");
        psp->SetCanSync(true);
        psp->SetDefaultPlayList("Games");
    }
    void TearDown() override { CQuorlanData::sPspSequence = 0; }
    CTargetDecisions decisions;
};

TEST_F(DeviceConverter, PspSequenceStartsAbove10000)
{
    EXPECT_EQ(10001, CQuorlanData::UsePspSequence());
    EXPECT_EQ(10002, CQuorlanData::UsePspSequence());

    CQuorlanData data;
    CQuorlanData::sPspSequence = 10000;
    auto low = BinaryCopy(data);
    CQuorlanData::sPspSequence = 12345;
    low = XmlLoad<CQuorlanData>(XmlText(*low));
    EXPECT_EQ(12345, CQuorlanData::sPspSequence);

    CQuorlanData::sPspSequence = 20000;
    std::string xml = XmlText(data);
    CQuorlanData::sPspSequence = 10500;
    XmlLoad<CQuorlanData>(xml);
    EXPECT_EQ(20000, CQuorlanData::sPspSequence);
}

TEST_F(DeviceConverter, ValidationNeedsARecordForTheSelectedDevice)
{
    CQuorlanData data;
    EXPECT_FALSE(data.SetDevice(""));
    EXPECT_STREQ("No target profile selected.", data.Validate());
    NoticeLog log(data);
    EXPECT_TRUE(data.SetDevice("PSP"));
    EXPECT_EQ((Codes{"qrle"}), log.codes);
    EXPECT_STREQ("No target profile selected.", data.Validate());
    CPortableMediaConversion* psp = data.EnsureDevice("PSP");
    EXPECT_STREQ("Please specify the output directory path.", data.Validate());
    psp->GetSaveDir().SetFilePath("/media/psp");
    EXPECT_EQ(nullptr, data.Validate());
}

TEST_F(DeviceConverter, EnsureDeviceSetsUpFromTheCatalogue)
{
    CQuorlanData data;
    CPortableMediaConversion* psp = data.EnsureDevice("PSP");
    ASSERT_NE(nullptr, psp);
    EXPECT_EQ(psp, data.EnsureDevice("PSP"));
    EXPECT_EQ(1, data.GetDeviceCount());
    EXPECT_STREQ("MPEG-4 for PSP, 320 x 240", psp->GetVideoTarget());
    EXPECT_STREQ("MP3 for PSP", psp->GetAudioTarget());
    EXPECT_TRUE(psp->GetAddToSync());
    EXPECT_TRUE(psp->GetAddToPlayList());
    EXPECT_STREQ("Games", psp->GetPlayList());
    EXPECT_EQ(100, psp->GetDevice().GetQuality());
    EXPECT_EQ(800000u, psp->GetDevice().GetVideoMaxBitrate());
    EXPECT_EQ(320000u, psp->GetDevice().GetAudioMaxBitrate());

    // A platform that cannot sync keeps the record's own choices.
    CPortableMediaConversion* zune = data.EnsureDevice("Zune");
    EXPECT_STREQ("Quorlan", zune->GetPlayList());
    EXPECT_EQ(zune, data.FindDevice("Zune"));
    EXPECT_EQ(nullptr, data.FindDevice("zune"));
    data.InitializeDevice(nullptr);

    data.SetDevice("PSP");
    for (auto copy : {BinaryCopy(data), XmlCopy(data)}) {
        EXPECT_STREQ("PSP", copy->GetDevice());
        ASSERT_EQ(2, copy->GetDeviceCount());
        EXPECT_STREQ("Games", copy->GetDevice(0)->GetPlayList());
        EXPECT_STREQ("Zune", copy->GetDevice(1)->GetName());
    }
}
