#include "CDirectShowSystem2.h"

#include <gtest/gtest.h>

namespace {

using S = CDirectShowSystem2;

// The switches are process-wide: every test puts back what it found.
class StartupSwitchesTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        S::sNeedsVideo = m_video;
        S::sNeedsAudio = m_audio;
        S::sNeedsVideoCapture = m_videoCapture;
        S::sNeedsAudioCapture = m_audioCapture;
        S::sLoadAvi = m_avi;
        S::sLoadQt = m_qt;
        S::sLoadWm = m_wm;
        S::sLoadRm = m_rm;
        S::sLoadLame = m_lame;
        S::sLoadff = m_ff;
    }

    bool m_video = S::sNeedsVideo, m_audio = S::sNeedsAudio;
    bool m_videoCapture = S::sNeedsVideoCapture, m_audioCapture = S::sNeedsAudioCapture;
    bool m_avi = S::sLoadAvi, m_qt = S::sLoadQt, m_wm = S::sLoadWm, m_rm = S::sLoadRm;
    bool m_lame = S::sLoadLame, m_ff = S::sLoadff;
};

TEST_F(StartupSwitchesTest, InitialValuesLoadEverythingButTheFfmpegTable)
{
    EXPECT_TRUE(S::sNeedsVideo && S::sNeedsAudio && S::sNeedsVideoCapture && S::sNeedsAudioCapture);
    EXPECT_TRUE(S::sLoadAvi && S::sLoadQt && S::sLoadWm && S::sLoadRm && S::sLoadLame);
    EXPECT_FALSE(S::sLoadff);
    EXPECT_FALSE(S::sCapturing);
    EXPECT_FALSE(S::sHasSubtitleFilter);
    EXPECT_FALSE(S::sSupportSubtitleTested);
    EXPECT_EQ(S::sSystem, nullptr);
    ASSERT_NE(S::sLameDllText, nullptr);
    EXPECT_STREQ(S::sLameDllText, "Lame_enc.dll");

    const S::SStartup s = S::GetStartup();
    EXPECT_TRUE(s.quickTime);
    EXPECT_TRUE(s.realMedia);
    EXPECT_TRUE(s.lame);
    EXPECT_TRUE(s.wmProfiles);
    EXPECT_TRUE(s.videoCodecs);
    EXPECT_TRUE(s.audioCodecs);
    EXPECT_TRUE(s.videoCaptures);
    EXPECT_TRUE(s.audioCaptures);
    EXPECT_FALSE(s.ffTable);
}

struct MediaCase {
    bool video, audio;
    bool quickTime, realMedia, lame, videoCodecs, audioCodecs;
};

class StartupMediaTest : public StartupSwitchesTest, public ::testing::WithParamInterface<MediaCase> {};

TEST_P(StartupMediaTest, MediaNeedsGateTheOptionalEngines)
{
    const MediaCase& c = GetParam();
    S::sNeedsVideo = c.video;
    S::sNeedsAudio = c.audio;
    S::sLoadQt = S::sLoadRm = S::sLoadLame = S::sLoadAvi = true;

    const S::SStartup s = S::GetStartup();
    EXPECT_EQ(s.quickTime, c.quickTime);
    EXPECT_EQ(s.realMedia, c.realMedia);
    EXPECT_EQ(s.lame, c.lame);
    EXPECT_EQ(s.videoCodecs, c.videoCodecs);
    EXPECT_EQ(s.audioCodecs, c.audioCodecs);
    // Capture devices follow their own switches only.
    EXPECT_TRUE(s.videoCaptures);
    EXPECT_TRUE(s.audioCaptures);
}

INSTANTIATE_TEST_SUITE_P(Needs, StartupMediaTest,
                         ::testing::Values(MediaCase{true, true, true, true, true, true, true},
                                           MediaCase{true, false, true, true, false, true, false},
                                           MediaCase{false, true, true, true, true, false, true},
                                           MediaCase{false, false, false, false, false, false, false}));

TEST_F(StartupSwitchesTest, LoaderSwitchesTurnTheirEngineOffAlone)
{
    S::sLoadQt = false;
    S::sLoadLame = false;
    S::sLoadWm = false;
    S::sLoadff = true;
    S::sNeedsVideoCapture = false;
    S::sLoadAvi = false;

    const S::SStartup s = S::GetStartup();
    EXPECT_FALSE(s.quickTime);
    EXPECT_TRUE(s.realMedia);
    EXPECT_FALSE(s.lame);
    EXPECT_FALSE(s.wmProfiles);
    EXPECT_TRUE(s.ffTable);
    EXPECT_FALSE(s.videoCaptures);
    EXPECT_TRUE(s.audioCaptures);
    EXPECT_FALSE(s.videoCodecs);
    EXPECT_FALSE(s.audioCodecs);
}

}  // namespace
