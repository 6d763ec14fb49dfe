#include "CAudioCodecInfo.h"
#include "CAudioCodecsInfo.h"
#include "CCodecTesterThread.h"
#include "CDirectShowSystem2.h"
#include "CFormatTypes.h"
#include "CMorvaneDirectShowApp2.h"
#include "CVideoCodecsInfo.h"
#include "UDirectoryUtils.h"

#include "win32/windowing/MessageLoop.h"
#include "win32/TestHome.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace {

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
