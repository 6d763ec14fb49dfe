#include "CDirectShowSystem2.h"
#include "CSpeechSystem.h"
#include "CTargetDecisions.h"
#include "CTelloraApp.h"
#include "CTelloraFrame.h"
#include "StApplicationId.h"
#include "UDirectoryUtils.h"
#include "win32/TestHome.h"
#include "win32/windowing/Window.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>

namespace {

// What the application chain keeps to itself.
class CTelloraAppProbe : public CTelloraApp {
public:
    unsigned SplashBitmap() const { return m_splashBitmap; }
    bool WantsDeviceController() const { return m_wantsDeviceController; }
    CDeviceController* GetDeviceController() const { return m_deviceController; }
};

// The engine switches as another program of the family might leave them.
struct EngineSwitches {
    using S = CDirectShowSystem2;
    bool* flags[10] = {&S::sCapturing, &S::sNeedsVideo,      &S::sNeedsAudio, &S::sNeedsVideoCapture,
                       &S::sNeedsAudioCapture, &S::sLoadAvi, &S::sLoadQt,     &S::sLoadWm,
                       &S::sLoadRm,    &S::sLoadLame};
    bool saved[10];
    EngineSwitches()
    {
        for (int i = 0; i < 10; ++i) saved[i] = *flags[i];
    }
    ~EngineSwitches()
    {
        for (int i = 0; i < 10; ++i) *flags[i] = saved[i];
    }
    void Invert()
    {
        for (bool* flag : flags) *flag = !*flag;
    }
};

class TelloraAppStartTest : public ::testing::Test {
protected:
    void SetUp() override { setenv("MORVANE_AUDIO", "null", 1); }
    MvTestHome home;
    EngineSwitches switches;
};

} // namespace

TEST_F(TelloraAppStartTest, TheConstructorSetsTheEngineUpForSpeech)
{
    switches.Invert();
    CTelloraAppProbe app;
    using S = CDirectShowSystem2;
    EXPECT_FALSE(S::sCapturing);
    EXPECT_FALSE(S::sNeedsVideo);
    EXPECT_TRUE(S::sNeedsAudio);
    EXPECT_FALSE(S::sNeedsVideoCapture);
    EXPECT_FALSE(S::sNeedsAudioCapture);
    for (bool load : {S::sLoadAvi, S::sLoadQt, S::sLoadWm, S::sLoadRm, S::sLoadLame}) EXPECT_TRUE(load);
    EXPECT_FALSE(app.WantsDeviceController());
    EXPECT_EQ(StApplicationId::Id(), 98102u);
    EXPECT_EQ(app.GetApplicationId(), 98102u);
    EXPECT_EQ(app.SplashBitmap(), 129u);
    EXPECT_FALSE(app.GetManagesPresets());
    EXPECT_EQ(CSpeechSystem::sSystem, nullptr) << "nothing starts before InitInstance";
    EXPECT_EQ(app.GetSystem(), nullptr);
}

TEST_F(TelloraAppStartTest, StartUpMakesTheSpeechSystemAndTheWindowAndExitEndsThem)
{
    // Presets lie ready for the programs that manage them: this one reads none.
    const std::string presets = std::string(UDirectoryUtils::GetCommonAppDataDirectory()) + "Targets.xml";
    UDirectoryUtils::EstablishPath(presets.c_str());
    std::ofstream(presets) << "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n<Targets></Targets>";

    CTelloraAppProbe app;
    ASSERT_TRUE(app.InitInstance());
    EXPECT_EQ(StApplicationId::Id(), 98102u);
    ASSERT_NE(CSpeechSystem::sSystem, nullptr);
    ASSERT_NE(app.GetSystem(), nullptr) << "the engine singleton";
    const CDirectShowSystem2::SStartup engine = CDirectShowSystem2::GetStartup();
    EXPECT_FALSE(engine.videoCodecs);
    EXPECT_FALSE(engine.videoCaptures);
    EXPECT_FALSE(engine.audioCaptures);
    EXPECT_TRUE(engine.audioCodecs);
    EXPECT_TRUE(engine.lame);
    EXPECT_EQ(app.GetDeviceController(), nullptr);
    EXPECT_EQ(app.GetPresets(), nullptr);
    EXPECT_EQ(CTargetDecisions::sDecisions, nullptr);

    CTelloraFrame* frame = app.GetFrame();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(app.m_pMainWnd, frame);
    ASSERT_TRUE(::IsWindow(frame->m_hWnd));
    EXPECT_TRUE(::IsWindowVisible(frame->m_hWnd));
    const LONG style = ::GetWindowLongA(frame->m_hWnd, GWL_STYLE);
    EXPECT_EQ(style & WS_OVERLAPPEDWINDOW, WS_OVERLAPPEDWINDOW);
    EXPECT_NE(frame->GetMenu(), nullptr);
    EXPECT_NE(frame->GetPanel().GetSafeHwnd(), nullptr);

    frame->DestroyWindow();
    EXPECT_EQ(app.ExitInstance(), 0);
    EXPECT_EQ(CSpeechSystem::sSystem, nullptr);
    EXPECT_EQ(app.GetSystem(), nullptr);
}
