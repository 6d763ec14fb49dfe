#include "CCamSettingDialog.h"
#include "COstrelSettingDialog.h"
#include "CapturePageSupport.h"
#include "OutputPageSupport.h"
#include "win32/dialogs/Dialog.h"

namespace {

constexpr int kPageCombo = 11103;

class CameraSettingDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        devices.AddMicrophone("Sound Blaster", {"Line In", "Microphone"});
        devices.AddCamera("Left Cam", {{320, 240, {15, 30}}, {640, 480, {15, 30}}});
        devices.AddCamera("Right Cam", {{320, 240, {15, 30}}, {640, 480, {15, 30}}});
    }
    static HWND PageOf(CStackExportDialog& dialog, const char* title)
    {
        CStackPanelInfo* info = dialog.GetStack().Find(title);
        return info && info->GetChildCount() ? info->GetChild(0)->m_hWnd : nullptr;
    }
    static std::string Title(HWND dialog)
    {
        char text[128] = {};
        ::GetWindowTextA(dialog, text, sizeof text);
        return text;
    }
    static bool Enabled(CStackExportDialog& dialog, const char* title)
    {
        CStackPanelInfo* info = dialog.GetStack().Find(title);
        return info && info->GetChildCount() && static_cast<CPanel*>(info->GetChild(0))->IsEnabled();
    }

    ScopedDeviceCatalogues devices;
};

TEST_F(CameraSettingDialogTest, OkTakesTheWebcamSettingsAndCancelLeavesTheRecord)
{
    CVideoRecorder2 record;
    record.GetVideoSource().SetName("Left Cam");
    for (int answer : {IDCANCEL, IDOK}) {
        SCOPED_TRACE(answer);
        CCamSettingDialog dialog(nullptr);
        dialog.SetData(record);
        MvScriptModal([&](HWND h) {
            PageView frame(h);
            EXPECT_EQ("WebCam Settings", Title(h));
            EXPECT_EQ(2, dialog.GetStack().GetPageCount());
            EXPECT_FALSE(Enabled(dialog, "Audio (Recording Only)")) << "no sound is recorded yet";
            EXPECT_EQ((std::vector<std::string>{"WebCam"}), frame.Items(kPageCombo));
            PageView camera(PageOf(dialog, "WebCam"));
            camera.Pick(CVideoRecorder2Panel::kSize, "640 x 480");
            camera.Click(CVideoRecorder2Panel::kCaptureAudio);
            EXPECT_TRUE(Enabled(dialog, "Audio (Recording Only)"));
            EXPECT_EQ((std::vector<std::string>{"WebCam", "Audio (Recording Only)"}), frame.Items(kPageCombo));
            PageView sound(PageOf(dialog, "Audio (Recording Only)"));
            EXPECT_EQ("Sound Blaster", sound.Selected(CAudioSource2Panel::kDevice));
            sound.Pick(CAudioSource2Panel::kConnector, "Line In");
            frame.Click(answer);
        });
        EXPECT_EQ(answer, dialog.DoModal());
        if (answer == IDOK) record = dialog.GetData();
        EXPECT_EQ(answer == IDOK ? 640 : 320, record.GetWidth());
        EXPECT_EQ(answer == IDOK, record.GetCaptureAudio());
        EXPECT_EQ(answer == IDOK ? "Line In" : "", record.GetAudioSource().GetConnector());
    }
}

TEST_F(CameraSettingDialogTest, TheThreeDDialogEditsBothCamerasOnACopy)
{
    CVideoRecorder3d2 record;
    record.GetVideoSource().SetName("Left Cam");
    record.GetVideoSource2().SetName("Right Cam");
    record.SetLeftOn(true);
    record.SetRightOn(true);
    for (int answer : {IDCANCEL, IDOK}) {
        SCOPED_TRACE(answer);
        COstrelSettingDialog dialog(nullptr);
        dialog.SetData(record);
        MvScriptModal([&](HWND h) {
            PageView frame(h);
            EXPECT_EQ("WebCam Settings", Title(h));
            EXPECT_EQ(3, dialog.GetStack().GetPageCount());
            EXPECT_EQ((std::vector<std::string>{"WebCams", "3D"}), frame.Items(kPageCombo)) << "no sound is recorded";
            CStackPanelInfo* info = dialog.GetStack().Find("WebCams");
            ASSERT_TRUE(info && info->GetChildCount());
            EXPECT_EQ(7129u, info->GetChild(0)->m_nIDTemplate);
            PageView cameras(PageOf(dialog, "WebCams"));
            EXPECT_FALSE(cameras.Enabled(CVideoRecorder3d2Panel::kLeft)) << "the left camera is fixed here";
            EXPECT_FALSE(cameras.Enabled(CVideoRecorder3d2Panel::kDevice));
            EXPECT_TRUE(Enabled(dialog, "3D"));
            PageView(PageOf(dialog, "3D")).Pick(CAnaglyph2Panel::kColor, "Grey Scale");
            cameras.Click(CVideoRecorder3d2Panel::kRight);
            EXPECT_FALSE(Enabled(dialog, "3D")) << "one camera makes no 3D picture";
            EXPECT_EQ((std::vector<std::string>{"WebCams"}), frame.Items(kPageCombo));
            frame.Click(answer);
        });
        EXPECT_EQ(answer, dialog.DoModal());
        if (answer == IDOK) record = dialog.GetData();
        EXPECT_EQ(answer != IDOK, record.GetRightOn());
        EXPECT_EQ(answer == IDOK ? 1 : 0, record.Get3dInfo().GetAnaglyphColor());
    }
}

class Relayed : public CListener {
public:
    bool ListenToMessage(long message, const void* p, const void* q) override
    {
        if (message == kDeviceSettingsMessage || message == kDeviceSettings2Message)
            got.push_back({message, p == nullptr && q == nullptr});
        return CListener::ListenToMessage(message, p, q);
    }
    std::vector<std::pair<long, bool>> got;
};

TEST_F(CameraSettingDialogTest, TheThreeDDialogPassesOnOnlyTheLeftCamerasSettingsRequest)
{
    devices.AddCamera("Smart Cam", {{320, 240, {15}}}, true, false, true);
    CVideoRecorder3d2 record;
    record.GetVideoSource().SetName("Smart Cam");
    record.GetVideoSource2().SetName("Smart Cam");
    record.SetLeftOn(true);
    record.SetRightOn(true);
    COstrelSettingDialog dialog(nullptr);
    dialog.SetData(record);
    Relayed relayed;
    dialog.AddListener(&relayed);
    MvScriptModal([&](HWND h) {
        PageView cameras(PageOf(dialog, "WebCams"));
        cameras.Click(CVideoRecorder3d2Panel::kMore2);
        cameras.Click(CVideoRecorder3d2Panel::kMore);
        PageView(h).Click(IDCANCEL);
    });
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    EXPECT_EQ((std::vector<std::pair<long, bool>>{{kDeviceSettingsMessage, true}}), relayed.got);
}

} // namespace
