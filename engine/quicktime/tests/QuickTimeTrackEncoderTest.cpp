// The video track encoder against the QuickTime library: sample times in the media, the
// compressor's settings, and its settings blob.
#include "CQuickTimeVideoEncoder.h"
#include "EColorFormat.h"
#include "QuickTimeTestMovie.h"
#include "StQuickTime.h"
#include "UQuickTimeCalls.h"
#include "UQuickTimeUtils.h"
#include "win32/TestHome.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr OSType kMp4v = 0x6D703476, kPng = 0x706E6720;

class QuickTimeTrackEncoderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_quickTime.IsStarted());
        m_qt = UQuickTimeCalls::Get();
        ASSERT_NE(m_qt, nullptr);
        int16_t file = 0;
        m_movie = CreateTestMovie(*m_qt, (fs::path(m_home.Path()) / "track.mov").string(), file);
        ASSERT_NE(m_movie, nullptr);
    }
    void TearDown() override
    {
        if (m_movie) m_qt->DisposeMovie(m_movie);
    }

    // A 64x48 RGB24 encoder on the movie, opened and started.
    void Prepare(CQuickTimeVideoEncoder& encoder)
    {
        encoder.SetMovie(m_movie);
        encoder.SetFormat(kMp4v);
        encoder.SetColor(kColorRgb24);
        encoder.SetWidth(64);
        encoder.SetHeight(48);
        encoder.SetFrameRate(25);
        ASSERT_TRUE(encoder.Open());
        encoder.Start();
    }

    std::vector<unsigned char> m_frame = std::vector<unsigned char>(64 * 48 * 3, 0x80);
    MvTestHome m_home;
    StQuickTime m_quickTime;
    const SQuickTimeCalls* m_qt = nullptr;
    Movie m_movie = nullptr;
};

} // namespace

TEST_F(QuickTimeTrackEncoderTest, TheFirstSampleSetsTheFirstTimeAndEachSampleKeepsATick)
{
    CQuickTimeVideoEncoder encoder;
    Prepare(encoder);
    EXPECT_EQ(encoder.GetTimeScale(), 90000);
    const auto size = uint32_t(m_frame.size());
    ASSERT_TRUE(encoder.Encode(m_frame.data(), size, 2.0, 0.04));
    EXPECT_EQ(encoder.GetFirstTime(), 180000);
    EXPECT_EQ(encoder.GetNextTime(), 3600);
    // The same end again: one tick.
    ASSERT_TRUE(encoder.Encode(m_frame.data(), size, 2.0, 0.04));
    EXPECT_EQ(encoder.GetNextTime(), 3601);
    // A start that goes backwards: still one tick, never less.
    ASSERT_TRUE(encoder.Encode(m_frame.data(), size, 1.0, 0.04));
    EXPECT_EQ(encoder.GetNextTime(), 3602);
    // On time again.
    ASSERT_TRUE(encoder.Encode(m_frame.data(), size, 2.08, 0.04));
    EXPECT_EQ(encoder.GetNextTime(), 3600 * 3);
    ASSERT_NE(encoder.GetImageDescription(), nullptr);
    const auto* description = reinterpret_cast<const ImageDescription*>(*encoder.GetImageDescription());
    EXPECT_EQ(description->cType, kMp4v);
    EXPECT_EQ(description->width, 64);
    EXPECT_EQ(description->height, 48);
}

TEST_F(QuickTimeTrackEncoderTest, AStoredSettingsBlobOverridesQualityBitrateAndKeyFrames)
{
    CHandle blob;
    {
        CQuickTimeVideoEncoder dialog;
        dialog.SetFormat(kMp4v);
        dialog.SetFrameRate(29.97);
        dialog.SetQuality(1000);
        dialog.SetBitrate(800000);
        dialog.SetKeyFrame(5);
        ASSERT_TRUE(dialog.OpenCompressor());
        EXPECT_FALSE(dialog.OpenCompressor());
        ASSERT_TRUE(dialog.Prompt());
        EXPECT_DOUBLE_EQ(dialog.GetFrameRate(), 29.97);
        blob = dialog.GetSettings();
    }
    ASSERT_GT(blob.GetSize(), 0u);
    CQuickTimeVideoEncoder encoder;
    encoder.SetFormat(kMp4v);
    encoder.SetFrameRate(25);
    encoder.SetSettings(blob);
    ASSERT_TRUE(encoder.OpenCompressor());
    ASSERT_TRUE(encoder.Prompt());
    EXPECT_EQ(encoder.GetQuality(), 1000);
    EXPECT_EQ(encoder.GetBitrate(), 800000u);
    EXPECT_EQ(encoder.GetKeyFrame(), 5);
    EXPECT_DOUBLE_EQ(encoder.GetFrameRate(), 29.97);
    // Without a blob the single values hold.
    CQuickTimeVideoEncoder plain;
    plain.SetFormat(kMp4v);
    plain.SetQuality(300);
    plain.SetBitrate(256000);
    plain.SetKeyFrame(0);
    ASSERT_TRUE(plain.OpenCompressor());
    ASSERT_TRUE(plain.Prompt());
    EXPECT_EQ(plain.GetQuality(), 300);
    EXPECT_EQ(plain.GetBitrate(), 256000u);
    EXPECT_EQ(plain.GetKeyFrame(), 0);
}

TEST_F(QuickTimeTrackEncoderTest, WithoutAMovieOrACompressorTheEncoderSaysNo)
{
    CQuickTimeVideoEncoder encoder;
    encoder.SetWidth(64);
    encoder.SetHeight(48);
    EXPECT_FALSE(encoder.Open());
    EXPECT_FALSE(encoder.Prompt());
    EXPECT_FALSE(encoder.Encode(m_frame.data(), uint32_t(m_frame.size()), 0, 0.04));
    // A format the system has no encoder for: the first frame fails.
    CQuickTimeVideoEncoder sorenson;
    Prepare(sorenson);
    sorenson.SetFormat(0x53565133); // 'SVQ3'
    EXPECT_FALSE(sorenson.Encode(m_frame.data(), uint32_t(m_frame.size()), 0, 0.04));
    EXPECT_NE(std::string(m_qt->QTErrorText(noCodecErr)).find("'SVQ3'"), std::string::npos);
}

TEST_F(QuickTimeTrackEncoderTest, ColourFormatsAreThoseTheTracksDecompressorGives)
{
    // The classic depths always do, whatever the track.
    EXPECT_TRUE(UQuickTimeUtils::SupportColor(nullptr, 32));
    const struct {
        OSType format;
        EColorFormat color;
        bool supported;
    } cases[] = {
        {kMp4v, kColorRgb24, true},  {kMp4v, kColorUyvy, true}, {kMp4v, kColorYvyu, true},
        {kPng, kColorRgb24, true},   {kPng, kColorRgb32, true}, {kPng, kColorUyvy, false},
    };
    for (const auto& c : cases) {
        CQuickTimeVideoEncoder encoder;
        Prepare(encoder);
        encoder.SetFormat(c.format);
        // No sample yet: no description to ask about.
        EXPECT_FALSE(encoder.SupportColor(c.color));
        ASSERT_TRUE(encoder.Encode(m_frame.data(), uint32_t(m_frame.size()), 0, 0.04));
        EXPECT_EQ(encoder.SupportColor(c.color), c.supported) << c.format << " " << c.color;
        // A rotated track is drawn through another path: nothing beyond the classic depths.
        MatrixRecord turned{{{0, fixed1, 0}, {-fixed1, 0, 0}, {0, 0, 1 << 30}}};
        m_qt->SetTrackMatrix(encoder.GetTrack(), &turned);
        EXPECT_FALSE(encoder.SupportColor(c.color));
        encoder.Close();
    }
}
