#include "CAudioCodecInfo.h"
#include "CAudioCodecsInfo.h"
#include "CCodecTesterThread.h"
#include "CDirectShowSystem2.h"
#include "CFormatTypes.h"
#include "CMorvaneDirectShowApp2.h"
#include "CDeviceController.h"
#include "CVideoCodecsInfo.h"
#include "CVideoDevicesInfo.h"
#include "UDirectoryUtils.h"
#include "com/ClassRegistry.h"
#include "dshow/capture/TestDevicePlug.h"
#include "win32/kernel/Threads.h"

#include "win32/windowing/MessageLoop.h"
#include "win32/TestHome.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <memory>

namespace {

// An encoder whose creation hangs while the test holds it, as a broken codec can.
const CLSID kHangingEncoder = {0x5E1D0C7A, 0x33B2, 0x4C61, {0x9A, 0x0E, 0x61, 0x2B, 0x7D, 0x44, 0x18, 0x90}};
std::atomic<bool> gHolding{false};
std::atomic<bool> gHeld{false};

HRESULT CreateHangingEncoder(REFIID, void** object)
{
    gHeld = true;
    while (gHolding) Sleep(5);
    *object = nullptr;
    return E_FAIL;
}

class DirectShowAppTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!CFormatTypes::sFormatTypes) m_types = std::make_unique<CFormatTypes>();
        if (!CAudioCodecsInfo::sInfo) m_audio = std::make_unique<CAudioCodecsInfo>(true);
        if (!CVideoCodecsInfo::sInfo) m_video = std::make_unique<CVideoCodecsInfo>(true);
        m_codec = CAudioCodecsInfo::sInfo->Add("Checked Encoder", "");
        m_codec->Activate(true);
        m_loadAvi = CDirectShowSystem2::sLoadAvi;
        m_delay = CCodecTesterThread::sStartDelayMs;
    }
    void TearDown() override
    {
        CDirectShowSystem2::sLoadAvi = m_loadAvi;
        CCodecTesterThread::sStartDelayMs = m_delay;
        CAudioCodecsInfo::sInfo->RemoveCodec(m_codec);
        delete m_codec;
    }
    static bool Saved(const char* file)
    {
        return std::filesystem::exists(std::string(UDirectoryUtils::GetCommonAppDataDirectory()) + file);
    }

    MvTestHome m_home;
    std::unique_ptr<CFormatTypes> m_types;
    std::unique_ptr<CAudioCodecsInfo> m_audio;
    std::unique_ptr<CVideoCodecsInfo> m_video;
    CAudioCodecInfo* m_codec = nullptr;
    bool m_loadAvi = true;
    unsigned long m_delay = 0;
};

} // namespace

TEST_F(DirectShowAppTest, WithoutAviCodecsNothingIsCheckedOrOffered)
{
    CDirectShowSystem2::sLoadAvi = false;
    m_codec->SetSkipped(true);
    CMorvaneDirectShowApp2 app;
    app.StartTester(false);
    EXPECT_EQ(app.GetAudioTester(), nullptr);
    EXPECT_EQ(app.GetVideoTester(), nullptr);
    EXPECT_FALSE(app.HasSkippedCodecs());
    app.LoadSkippedCodecs();
    EXPECT_TRUE(m_codec->GetSkipped());
    CDirectShowSystem2::sLoadAvi = true;
    EXPECT_TRUE(app.HasSkippedCodecs());
}

TEST_F(DirectShowAppTest, TheAudioCheckRunsSavesItsCatalogueAndTheVideoCheckFollows)
{
    CDirectShowSystem2::sLoadAvi = true;
    CCodecTesterThread::sStartDelayMs = 0;
    CMorvaneDirectShowApp2 app;
    app.StartTester(false);
    ASSERT_NE(app.GetAudioTester(), nullptr);
    ASSERT_TRUE(MvPumpUntil([&] { return app.GetAudioTester() == nullptr; }, 30000));
    EXPECT_TRUE(m_codec->GetTested());
    EXPECT_TRUE(Saved(CAudioCodecsInfo::kFileName));
    // No video compressor is new here: the video phase has nothing to start.
    EXPECT_EQ(app.GetVideoTester(), nullptr);
}

TEST_F(DirectShowAppTest, CancellingTheAudioCheckSavesItsCatalogue)
{
    CDirectShowSystem2::sLoadAvi = true;
    CCodecTesterThread::sStartDelayMs = 600000;
    CMorvaneDirectShowApp2 app;
    ASSERT_TRUE(app.StartAudioTester(false));
    app.GetProgressDialog().Broadcast(kProgressCancelMessage, &app.GetProgressDialog(), nullptr);
    EXPECT_EQ(app.GetAudioTester(), nullptr);
    EXPECT_TRUE(Saved(CAudioCodecsInfo::kFileName));
    EXPECT_FALSE(m_codec->GetTested());
}

TEST_F(DirectShowAppTest, CancellingACheckThatACodecHoldsReturnsWithinTheBound)
{
    CDirectShowSystem2::sLoadAvi = true;
    CCodecTesterThread::sStartDelayMs = 0;
    const DWORD wait = CMorvaneDirectShowApp2::sStopWaitMs;
    m_codec->SetId(kHangingEncoder);
    const ComClassFactory old = ComRegisterClass(kHangingEncoder, &CreateHangingEncoder);
    gHolding = true;
    gHeld = false;
    {
        CMorvaneDirectShowApp2 app;
        ASSERT_TRUE(app.StartAudioTester(false));
        ASSERT_TRUE(MvPumpUntil([] { return gHeld.load(); }, 30000));
        // The codec never returns while held: the cancel gives up waiting for it.
        CMorvaneDirectShowApp2::sStopWaitMs = 100;
        app.GetProgressDialog().Broadcast(kProgressCancelMessage, &app.GetProgressDialog(), nullptr);
        EXPECT_EQ(app.GetAudioTester(), nullptr);
        EXPECT_TRUE(Saved(CAudioCodecsInfo::kFileName));
        EXPECT_FALSE(m_codec->GetTested());
        // Released, the tester ends on its own and is freed with the application.
        gHolding = false;
        CMorvaneDirectShowApp2::sStopWaitMs = wait;
    }
    ComRegisterClass(kHangingEncoder, old);
}

TEST_F(DirectShowAppTest, ACameraPluggedInOrOutReachesTheCatalogue)
{
    setenv("MORVANE_TEST_DEVICES", "1", 1);
    MvPlugTestCaptureDevices(true);
    const bool needsCapture = CDirectShowSystem2::sNeedsVideoCapture;
    CDirectShowSystem2::sNeedsVideoCapture = true;
    {
        CMorvaneDirectShowApp2 app;
        app.SetWantsDeviceController(true);
        app.SetWindowsMedia(false);
        ASSERT_TRUE(app.InitInstance());
        ASSERT_NE(CDeviceController::sController, nullptr);
        ASSERT_NE(CVideoDevicesInfo::sInfo, nullptr);
        CCaptureDevice2* camera = CVideoDevicesInfo::sInfo->Find("Test Video Capture");
        ASSERT_NE(camera, nullptr);
        EXPECT_TRUE(camera->IsActivated());
        for (const bool plugged : {false, true}) {
            MvPlugTestCaptureDevices(plugged);
            CDeviceController::sController->Broadcast(kDeviceChangeMessage, nullptr, nullptr);
            EXPECT_EQ(camera->IsActivated(), plugged);
        }
        app.ExitInstance();
    }
    CDirectShowSystem2::sNeedsVideoCapture = needsCapture;
    MvPlugTestCaptureDevices(true);
    unsetenv("MORVANE_TEST_DEVICES");
}
