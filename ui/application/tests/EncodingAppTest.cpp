#include "CAudioCodecsInfo.h"
#include "CCodecTesterThread.h"
#include "CDirectShowSystem2.h"
#include "CFormatTypes.h"
#include "CMorvaneEncodingApp.h"
#include "CTargetDecisions.h"
#include "CTargetPlatform.h"
#include "CVideoCodecsInfo.h"
#include "StApplicationId.h"
#include "UDirectoryUtils.h"
#include "UPersistStorage.h"
#include "afx/windows/CCmdUI.h"
#include "win32/kernel/Clock.h"
#include "win32/windowing/MessageLoop.h"
#include "win32/TestHome.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

namespace {

class StateUI : public CCmdUI {
public:
    void Enable(BOOL on) override { enabled = on != FALSE; }
    bool enabled = true;
};

class PresetApp : public CMorvaneEncodingApp {
public:
    explicit PresetApp(bool manages) { SetManagesPresets(manages); }
    bool Enabled(UINT id)
    {
        StateUI ui;
        ui.m_nID = id;
        OnCmdMsg(id, CN_UPDATE_COMMAND_UI, &ui, nullptr);
        return ui.enabled;
    }
};

class EncodingAppTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!CFormatTypes::sFormatTypes) m_types = std::make_unique<CFormatTypes>();
        if (!CAudioCodecsInfo::sInfo) m_audio = std::make_unique<CAudioCodecsInfo>(true);
        if (!CVideoCodecsInfo::sInfo) m_video = std::make_unique<CVideoCodecsInfo>(true);
        m_loadAvi = CDirectShowSystem2::sLoadAvi;
        m_delay = CCodecTesterThread::sStartDelayMs;
        MvUseVirtualClock(true);
    }
    void TearDown() override
    {
        MvUseVirtualClock(false);
        CDirectShowSystem2::sLoadAvi = m_loadAvi;
        CCodecTesterThread::sStartDelayMs = m_delay;
    }
    static std::string PresetFile()
    {
        return std::string(UDirectoryUtils::GetCommonAppDataDirectory()) + "Targets.xml";
    }
    static std::string Read(const std::string& path)
    {
        std::ifstream in(path);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    // Presets on disk with one platform of the user's own.
    static void StorePresets()
    {
        CTargetDecisions stored;
        stored.CreatePlatform("My Player");
        ASSERT_TRUE(UPersistStorage::SystemSave(stored, "Targets", "Targets.xml"));
    }

    MvTestHome m_home;
    std::unique_ptr<CFormatTypes> m_types;
    std::unique_ptr<CAudioCodecsInfo> m_audio;
    std::unique_ptr<CVideoCodecsInfo> m_video;
    bool m_loadAvi = true;
    unsigned long m_delay = 0;
};

TEST_F(EncodingAppTest, PresetsAreReadAtStartAndWrittenOnlyByThePresetEditor)
{
    for (unsigned long application : {44033ul, 10001ul}) {
        SCOPED_TRACE(application);
        StApplicationId id(application);
        StorePresets();
        const std::string before = Read(PresetFile());
        {
            PresetApp app(true);
            ASSERT_TRUE(app.InitInstance());
            ASSERT_NE(nullptr, app.GetPresets());
            EXPECT_NE(nullptr, app.GetPresets()->FindPlatform("My Player"));
            EXPECT_GT(app.GetPresets()->GetTargetCount(), 0) << "the built-in presets are there";
            app.ExitInstance();
            EXPECT_EQ(nullptr, app.GetPresets());
        }
        EXPECT_EQ(application == 10001, Read(PresetFile()) != before);
    }
}

TEST_F(EncodingAppTest, AProgramWithoutPresetsNeverTouchesThem)
{
    StApplicationId id(98102);
    PresetApp app(false);
    ASSERT_TRUE(app.InitInstance());
    EXPECT_EQ(nullptr, app.GetPresets());
    app.ExitInstance();
    EXPECT_FALSE(std::filesystem::exists(PresetFile()));
}

TEST_F(EncodingAppTest, LoadSkippedCodecsIsOfferedOnlyWhileACodecWasSkipped)
{
    CDirectShowSystem2::sLoadAvi = true;
    PresetApp app(false);
    CAudioCodecInfo* codec = CAudioCodecsInfo::sInfo->Add("Crashing Encoder", "");
    EXPECT_FALSE(app.Enabled(CMorvaneEncodingApp::kLoadSkippedCodecsCommand));
    codec->SetSkipped(true);
    EXPECT_TRUE(app.Enabled(CMorvaneEncodingApp::kLoadSkippedCodecsCommand));
    EXPECT_TRUE(app.OnCmdMsg(CMorvaneEncodingApp::kLoadSkippedCodecsCommand, CN_COMMAND, nullptr, nullptr));
    EXPECT_FALSE(codec->GetSkipped());
    EXPECT_FALSE(app.Enabled(CMorvaneEncodingApp::kLoadSkippedCodecsCommand));
    CAudioCodecsInfo::sInfo->RemoveCodec(codec);
    delete codec;
}

TEST_F(EncodingAppTest, AReloadedEncoderLeadsToOneMoreCodecCheckFromTheMessageLoop)
{
    CDirectShowSystem2::sLoadAvi = true;
    CCodecTesterThread::sStartDelayMs = 0;
    CAudioCodecInfo* codec = CAudioCodecsInfo::sInfo->Add("Reloaded Encoder", "");
    codec->Activate(true);
    PresetApp app(false);
    EXPECT_TRUE(app.ListenToMessage(CMorvaneEncodingApp::kEncoderReloadedMessage, nullptr, nullptr));
    EXPECT_EQ(nullptr, app.GetAudioTester()) << "nothing starts inside the broadcast";
    MvAdvanceClock(20);
    ASSERT_TRUE(MvPumpUntil([&] { return codec->GetTested(); }, 30000));
    ASSERT_TRUE(MvPumpUntil([&] { return app.GetAudioTester() == nullptr; }, 30000));
    CAudioCodecsInfo::sInfo->RemoveCodec(codec);
    delete codec;
}

} // namespace
