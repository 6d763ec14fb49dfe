#include "C3dInfo2.h"
#include "CEnumMap.h"
#include "CEnumPair.h"
#include "CMetaClassController.h"
#include "CScreenRecorder2.h"
#include "CVideoRecorder3d2.h"
#include "MediaTestSupport.h"

#include <memory>

TEST(CaptureSources, AreNamedObjectsOfTheirKind)
{
    const struct {
        const char* code;
        std::vector<const char*> kinds;
    } cases[] = {{"cpsr", {"name"}},
                 {"dvs2", {"cpsr", "name"}},
                 {"vsr2", {"dvs2", "cpsr", "name"}},
                 {"asr2", {"cpsr", "name"}}};
    for (const auto& c : cases) {
        std::unique_ptr<CPersistObject> made(CMetaClassController::CreateOne(Code(c.code)));
        ASSERT_NE(nullptr, made) << c.code;
        EXPECT_EQ(Code(c.code), made->GetObjectType());
        for (const char* kind : c.kinds) EXPECT_TRUE(made->IsInstanceOf(Code(kind))) << c.code << " " << kind;
    }
    CVideoSource2 camera;
    camera.SetName("USB Camera");
    EXPECT_STREQ("USB Camera", BinaryCopy(camera)->GetName());
    EXPECT_STREQ("USB Camera", XmlCopy(camera)->GetName());
}

TEST(AudioSource, VolumeAboveAHundredIsHeldThere)
{
    CAudioSource2 source;
    EXPECT_TRUE(source.GetAutoVolume());
    EXPECT_EQ(50, source.GetVolume());
    NoticeLog log(source);
    EXPECT_TRUE(source.SetVolume(120));
    EXPECT_EQ(100, source.GetVolume());
    source.SetConnector("Line In");
    source.SetAutoVolume(false);
    source.SetName("Sound Card");
    EXPECT_EQ((Codes{"asr6", "asr4", "asr5", "namf"}), log.codes);
    for (int xml = 0; xml < 2; ++xml) {
        auto copy = xml ? XmlCopy(source) : BinaryCopy(source);
        EXPECT_STREQ("Sound Card", copy->GetName());
        EXPECT_STREQ("Line In", copy->GetConnector());
        EXPECT_FALSE(copy->GetAutoVolume());
        EXPECT_EQ(100, copy->GetVolume());
    }
    std::string xml = XmlText(source);
    EXPECT_TRUE(HasElement(xml, "port"));
    EXPECT_TRUE(HasElement(xml, "volume"));
}

TEST(ScreenSource, AWindowCaptureNeedsItsWindow)
{
    CScreenRecorder2 recorder;
    EXPECT_TRUE(recorder.IsInstanceOf(Code("lvr2")));
    EXPECT_EQ(nullptr, recorder.Validate());
    CScreenSource2& source = recorder.GetScreenSource();
    NoticeLog log(source);
    source.SetCapture(101);
    EXPECT_STREQ("Please specify the window for the recording.", recorder.Validate());
    EXPECT_EQ((Codes{"scc3", "2"}), log.codes);
    source.SetWindow(reinterpret_cast<HWND>(0x1234));
    EXPECT_EQ(nullptr, recorder.Validate());
    CEnumMap map;
    ASSERT_TRUE(source.GetEnumText("capture", map));
    EXPECT_STREQ("Cursor", map.Find(102L)->GetText());
    EXPECT_STREQ("Region", map.Find(100L)->GetText());
}

TEST(ScreenSource, ValuesSurviveButTheWindowDoesNot)
{
    CScreenSource2 source;
    EXPECT_EQ(5, source.GetFrameRate());
    NoticeLog log(source);
    EXPECT_FALSE(source.SetFrameRate(-1));
    EXPECT_TRUE(source.SetFrameRate(0));
    source.SetCapture(100);
    source.SetX(10);
    source.SetY(20);
    source.SetWidth(640);
    source.SetHeight(480);
    source.SetCaptureCursor(false);
    source.SetWindow(reinterpret_cast<HWND>(0x10));
    EXPECT_EQ((Codes{"scc8", "scc3", "scc4", "scc5", "scc6", "scc7", "scc9", "scc:"}), log.codes);
    source.SetFrameRate(12.5);
    for (int xml = 0; xml < 2; ++xml) {
        auto copy = xml ? XmlCopy(source) : BinaryCopy(source);
        EXPECT_EQ(100, copy->GetCapture());
        EXPECT_EQ(10, copy->GetX());
        EXPECT_EQ(20, copy->GetY());
        EXPECT_EQ(640, copy->GetWidth());
        EXPECT_EQ(480, copy->GetHeight());
        EXPECT_EQ(12.5, copy->GetFrameRate());
        EXPECT_FALSE(copy->GetCaptureCursor());
        EXPECT_EQ(nullptr, copy->GetWindow());
    }
}

TEST(VideoRecorder, SizeChangesAreAnnouncedOnce)
{
    CVideoRecorder2 recorder;
    NoticeLog log(recorder);
    EXPECT_TRUE(recorder.SetSize(0, 480));
    EXPECT_EQ(320, recorder.GetWidth());
    EXPECT_EQ(480, recorder.GetHeight());
    EXPECT_FALSE(recorder.SetSize(320, 0));
    EXPECT_TRUE(recorder.SetSize(640, 360));
    recorder.SetFrameRate(30);
    recorder.SetTimeStamp(true);
    recorder.SetCaptureAudio(true);
    EXPECT_EQ((Codes{"vca3", "vca3", "vca4", "vca5", "lvr3"}), log.codes);
    recorder.GetVideoSource().SetName("Cam");
    recorder.GetAudioSource().SetName("Mic");
    for (int xml = 0; xml < 2; ++xml) {
        auto copy = xml ? XmlCopy(recorder) : BinaryCopy(recorder);
        EXPECT_EQ(640, copy->GetWidth());
        EXPECT_EQ(360, copy->GetHeight());
        EXPECT_EQ(30, copy->GetFrameRate());
        EXPECT_TRUE(copy->GetTimeStamp());
        EXPECT_TRUE(copy->GetCaptureAudio());
        EXPECT_STREQ("Cam", copy->GetVideoSource().GetName());
        EXPECT_STREQ("Mic", copy->GetAudioSource().GetName());
    }
    std::string xml = XmlText(recorder);
    for (const char* element : {"capture_audio", "audio_source", "time_stamp", "video_source", "frame_rate"})
        EXPECT_TRUE(HasElement(xml, element)) << element;
}

TEST(StereoRecorder, ACameraWithoutADeviceStaysOff)
{
    CVideoRecorder3d2 recorder;
    EXPECT_TRUE(recorder.IsInstanceOf(Code("vca2")));
    EXPECT_FALSE(recorder.SetLeftOn(true));
    EXPECT_FALSE(recorder.GetLeftOn());
    recorder.GetVideoSource().SetName("Left Cam");
    recorder.GetVideoSource2().SetName("Right Cam");
    NoticeLog log(recorder);
    // With the right camera off, the left one is forced on.
    EXPECT_TRUE(recorder.SetLeftOn(false));
    EXPECT_TRUE(recorder.GetLeftOn());
    EXPECT_TRUE(recorder.SetRightOn(true));
    EXPECT_TRUE(recorder.SetLeftOn(false));
    EXPECT_FALSE(recorder.SetRightOn(false));
    EXPECT_EQ((Codes{"v3d3", "v3d4", "v3d3"}), log.codes);
}

TEST(StereoRecorder, DeviceTexts)
{
    CVideoRecorder3d2 recorder;
    EXPECT_STREQ("", recorder.GetText());
    recorder.GetVideoSource().SetName("A");
    recorder.GetVideoSource2().SetName("B");
    recorder.SetLeftOn(true);
    recorder.SetRightOn(true);
    EXPECT_STREQ("A", recorder.GetPrimaryDevice());
    EXPECT_STREQ("B", recorder.GetSecondaryDevice());
    EXPECT_STREQ("A + B", recorder.GetText());
    recorder.SetLeftOn(false);
    EXPECT_STREQ("B", recorder.GetPrimaryDevice());
    EXPECT_STREQ("", recorder.GetSecondaryDevice());
    EXPECT_STREQ("B", recorder.GetText());
    recorder.Get3dInfo().SetAnaglyphColor(1);
    recorder.Get3dInfo().SetAnaglyphFilter(2);
    for (int xml = 0; xml < 2; ++xml) {
        auto copy = xml ? XmlCopy(recorder) : BinaryCopy(recorder);
        EXPECT_FALSE(copy->GetLeftOn());
        EXPECT_TRUE(copy->GetRightOn());
        EXPECT_STREQ("B", copy->GetVideoSource2().GetName());
        EXPECT_EQ(1, copy->Get3dInfo().GetAnaglyphColor());
        EXPECT_EQ(2, copy->Get3dInfo().GetAnaglyphFilter());
    }
    std::string xml = XmlText(recorder);
    for (const char* element : {"right", "video_source_2", "3d", "color", "anaglyph"})
        EXPECT_TRUE(HasElement(xml, element)) << element;
}

TEST(Anaglyph, ANewColourModeStartsFromCyan)
{
    C3dInfo2 info;
    EXPECT_EQ(Code("3di "), info.GetObjectType());
    NoticeLog log(info);
    EXPECT_FALSE(info.SetAnaglyphFilter(2));
    EXPECT_TRUE(info.SetAnaglyphColor(1));
    EXPECT_TRUE(info.SetAnaglyphFilter(2));
    EXPECT_TRUE(info.SetAnaglyphColor(0));
    EXPECT_EQ(0, info.GetAnaglyphFilter());
    EXPECT_EQ((Codes{"3di!", "3di\"", "3di!", "3di\""}), log.codes);
    CEnumMap colors, filters;
    ASSERT_TRUE(info.GetEnumText("color", colors));
    ASSERT_TRUE(info.GetEnumText("anaglyph", filters));
    EXPECT_STREQ("Grey Scale", colors.Find(1L)->GetText());
    EXPECT_STREQ("Cyan", filters.Find(0L)->GetText());
    EXPECT_STREQ("Green", filters.Find(2L)->GetText());
}
