// The QuickTime codec lists by version, the loader's lookups and the conversions.
#include "CAudioCodecInfo.h"
#include "CVideoCodecInfo.h"
#include "CVideoCodecSize.h"
#include "StQtCodecs.h"
#include "StQtMovieCodecs.h"
#include "StQuickTime.h"
#include "StQuickTimeLoader.h"
#include "UQuickTimeUtils.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

namespace {

bool HasVideo(const StQtCodecs& list, const char* name)
{
    for (int i = 0; i < list.GetVideoCodecCount(); ++i)
        if (std::strcmp(list.GetVideoCodec(i)->GetDeviceName(), name) == 0) return true;
    return false;
}

class QuickTimeCodecsTest : public ::testing::Test {
protected:
    void TearDown() override { StQuickTime::sVersion = m_version; }
    long m_version = StQuickTime::sVersion;
};

TEST_F(QuickTimeCodecsTest, TheH264RowsComeWithVersion73)
{
    const ESplitterType withH264[] = {600, 601, 630, 631, 640, 660};
    for (long version : {0x07020000L, 0x07030000L}) {
        StQuickTime::sVersion = version;
        StQuickTimeLoader loader;
        for (int i = 0; i < loader.GetCount(); ++i) {
            const StQtCodecs* list = loader.GetAt(i);
            const bool wanted = version >= 0x07030000 &&
                                std::find(std::begin(withH264), std::end(withH264), list->GetSplitterType()) !=
                                    std::end(withH264);
            EXPECT_EQ(HasVideo(*list, "H.264"), wanted) << list->GetSplitterType() << " " << std::hex << version;
        }
    }
}

TEST_F(QuickTimeCodecsTest, TheLoaderFindsListsByTypeAndFileType)
{
    StQuickTime::sVersion = 0;
    StQuickTimeLoader loader;
    EXPECT_EQ(StQuickTimeLoader::sLoader, &loader);
    const ESplitterType order[] = {600, 601, 100, 610, 611, 620, 630, 631, 640, 660, 650};
    ASSERT_EQ(loader.GetCount(), 11);
    for (int i = 0; i < 11; ++i) EXPECT_EQ(loader.GetAt(i)->GetSplitterType(), order[i]);
    EXPECT_EQ(loader.GetFileTypeCodecs(StQtCodecs::Code("MooV"))->GetSplitterType(), 600);
    EXPECT_EQ(loader.GetFileTypeCodecs(StQtCodecs::Code("3gpp"))->GetSplitterType(), 630);
    EXPECT_EQ(loader.GetFileTypeCodecs(StQtCodecs::Code("dvc!"))->GetSplitterType(), 610);
    EXPECT_EQ(loader.GetSplitterCodecs(999), nullptr);
    EXPECT_EQ(StQtMovieCodecs::sInstance, loader.GetAt(0));

    // The movie list ends with PCM; the 3GPP2 H.263 offers its three sizes.
    const StQtCodecs* movie = loader.GetAt(0);
    EXPECT_STREQ(movie->GetAudioCodecName(movie->GetAudioCodecCount() - 1), "Apple PCM");
    EXPECT_EQ(movie->GetAudioCodecFormatByName("Apple PCM"), StQtCodecs::Code("twos"));
    EXPECT_EQ(movie->GetVideoCodecFormatByName("Apple DV - PAL"), StQtCodecs::Code("dvcp"));
    EXPECT_EQ(movie->FindVideoCodec(StQtCodecs::Code("dvcp"))->GetSizeCount(), 1);
    const StQtCodecs* g2 = loader.GetSplitterCodecs(631);
    EXPECT_EQ(g2->FindVideoCodec(StQtCodecs::Code("h263"))->GetSizeCount(), 3);
    EXPECT_STREQ(g2->GetVideoCodecNameByFormat(StQtCodecs::Code("h263")), "Apple H.263 for 3GPP2");
    // The AVI list's DV rows have no sizes.
    EXPECT_EQ(loader.GetSplitterCodecs(100)->FindVideoCodec(StQtCodecs::Code("dvcp"))->GetSizeCount(), 0);
}

TEST(QuickTimeUtilsTest, ConversionsKeepTheirValues)
{
    EXPECT_EQ(UQuickTimeUtils::MorvaneToQuickTimeQuality(100), 1023);
    EXPECT_EQ(UQuickTimeUtils::QuickTimeToMorvaneQuality(1023), 100);
    EXPECT_EQ(UQuickTimeUtils::MorvaneToQuickTimeQuality(50), 512);
    EXPECT_EQ(UQuickTimeUtils::QuickTimeToMorvaneQuality(512), 50);
    EXPECT_EQ(ULONG(UQuickTimeUtils::DoubleToFixed(29.97)), 0x001DF851u);
    EXPECT_DOUBLE_EQ(UQuickTimeUtils::FixedToDouble3(UQuickTimeUtils::DoubleToFixed(29.97)), 29.97);
    EXPECT_EQ(UQuickTimeUtils::TextToFourcc("abc"), 0u);
    EXPECT_EQ(UQuickTimeUtils::TextToFourcc("mp4v"), StQtCodecs::Code("mp4v"));
    EXPECT_STREQ(UQuickTimeUtils::FourccToText(StQtCodecs::Code("avc1")), "avc1");
    EXPECT_EQ(UQuickTimeUtils::GetKeyFrame(29.97), 15);
    EXPECT_EQ(UQuickTimeUtils::GetKeyFrame(2), 4);
    EXPECT_EQ(UQuickTimeUtils::GetPixelFormat(103), StQtCodecs::Code("24BG"));
    EXPECT_EQ(UQuickTimeUtils::GetPixelFormat(999), StQtCodecs::Code("BGRA"));
}

} // namespace
