// The engine starts QuickTime, catalogues its codecs for the file types it writes, and
// stops it again.
#include "CAudioCodecInfo.h"
#include "CAudioCodecsInfo.h"
#include "CDirectShowSystem2.h"
#include "CVideoCodecInfo.h"
#include "CVideoCodecsInfo.h"
#include "StQuickTime.h"
#include "StQuickTimeLoader.h"
#include "StffMpegLoader.h"

#include <gtest/gtest.h>

namespace {

class QuickTimeSystemTest : public ::testing::Test {
protected:
    void TearDown() override { CDirectShowSystem2::sLoadQt = m_loadQt; }

    bool m_loadQt = CDirectShowSystem2::sLoadQt;
    CAudioCodecsInfo m_audio{true};
    CVideoCodecsInfo m_video{true};
};

TEST_F(QuickTimeSystemTest, QuickTimeCodecsAreCataloguedForTheirFileTypes)
{
    CDirectShowSystem2::sLoadQt = true;
    const int starts = StQuickTime::sStarts;
    {
        CDirectShowSystem2 system;
        EXPECT_EQ(StQuickTime::sStarts, starts + 1);
        ASSERT_NE(StQuickTimeLoader::sLoader, nullptr);
        CAudioCodecInfo* aac = m_audio.Find("Apple AAC-LC", "AAC-LC");
        ASSERT_NE(aac, nullptr);
        EXPECT_TRUE(aac->IsActivated());
        EXPECT_TRUE(aac->GetVirtual());
        EXPECT_FALSE(aac->GetLoad());
        for (LONG type : {601, 630, 631, 640, 660}) EXPECT_TRUE(aac->IsSupported(type)) << type;
        EXPECT_FALSE(aac->IsSupported(600));
        ASSERT_NE(aac->Find(44100), nullptr);
        EXPECT_NE(aac->Find(44100)->Find(2)->Find(16)->Find(128000), nullptr);

        CVideoCodecInfo* h263 = m_video.Find("Apple H.263 for 3GPP2", "H.263");
        ASSERT_NE(h263, nullptr);
        EXPECT_EQ(h263->GetSizeCount(), 3);
        EXPECT_EQ(h263->GetEncoderControl(), 4);
        EXPECT_EQ(m_video.Find("Apple H.264", "H.264") != nullptr, StQuickTime::SupportH264());
    }
    EXPECT_EQ(StQuickTime::sStarts, starts);
    EXPECT_EQ(StQuickTimeLoader::sLoader, nullptr);
}

TEST_F(QuickTimeSystemTest, WithoutTheSwitchQuickTimeStaysOut)
{
    CDirectShowSystem2::sLoadQt = false;
    const int starts = StQuickTime::sStarts;
    CDirectShowSystem2 system;
    EXPECT_EQ(StQuickTime::sStarts, starts);
    EXPECT_EQ(StQuickTimeLoader::sLoader, nullptr);
    EXPECT_EQ(m_audio.Find("Apple AAC-LC", "AAC-LC"), nullptr);
}

} // namespace

namespace {

TEST_F(QuickTimeSystemTest, TheFfmpegSwitchCataloguesTheFfmpegCodecs)
{
    const bool loadff = CDirectShowSystem2::sLoadff;
    CDirectShowSystem2::sLoadQt = false;
    CDirectShowSystem2::sLoadff = true;
    {
        CDirectShowSystem2 system;
        CVideoCodecInfo* flash = m_video.Find("ffMpeg Flash Video", "Flash Video");
        ASSERT_NE(flash, nullptr);
        EXPECT_TRUE(flash->IsSupported(2040));
        EXPECT_TRUE(flash->IsSupported(2041));
        EXPECT_FALSE(flash->IsSupported(2000));
        EXPECT_EQ(flash->GetFormat(), 21u);
        CAudioCodecInfo* aac = m_audio.Find("ffMpeg AAC Audio", "AAC");
        ASSERT_NE(aac, nullptr);
        EXPECT_TRUE(aac->IsSupported(2022));
    }
    EXPECT_EQ(StffMpegLoader::sLoader, nullptr);
    CDirectShowSystem2::sLoadff = false;
    CDirectShowSystem2 plain;
    CDirectShowSystem2::sLoadff = loadff;
    EXPECT_EQ(StffMpegLoader::sLoader, nullptr);
}

} // namespace
