// Codec lists of other engines: audio settings from ratios and from the AAC table, lookups
// by format and name, and the ffmpeg format table.
#include "CAudioCodecInfo.h"
#include "CThirdPartyFormat.h"
#include "CVideoCodecInfo.h"
#include "StffMpegLoader.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Every bit rate the codec lists at that rate and channel count, in the tree's order.
std::vector<ULONG> Bitrates(const CAudioCodecInfo* codec, ULONG rate, unsigned short channels, unsigned short bits)
{
    std::vector<ULONG> found;
    auto* r = codec->Find(rate);
    auto* c = r ? r->Find(channels) : nullptr;
    auto* b = c ? c->Find(bits) : nullptr;
    for (int i = 0; b && i < b->GetCount(); ++i) found.push_back(b->GetAt(i)->GetBitrate());
    return found;
}

TEST(ThirdPartyFormatTest, RatiosGiveTheBitratesOfEveryRateAndChannelCount)
{
    CThirdPartyFormat format;
    CAudioCodecInfo* none = format.AddAudioCodec("X", "No Settings", 1, 16, 0);
    EXPECT_EQ(none->GetSampleRateCount(), 0);
    CAudioCodecInfo* zeroBits = format.AddAudioCodec("Y", "Zero Bits", 2, 0, 1);
    EXPECT_EQ(Bitrates(zeroBits, 44100, 2, 0), std::vector<ULONG>{1411200}); // counted as 16 bits
    EXPECT_EQ(zeroBits->GetSampleRateCount(), 9);
    CAudioCodecInfo* mace = format.AddAudioCodec("MACE 3:1", "Apple MACE 3:1", 3, 8, 3);
    EXPECT_EQ(Bitrates(mace, 22050, 2, 8), std::vector<ULONG>{117600});
    CThirdPartyFormat::AddAudioSetting(nullptr, 8000, 1, 16, 1); // no codec: nothing
}

TEST(ThirdPartyFormatTest, TheAacTableListsItsRowsPerRateAndChannels)
{
    CThirdPartyFormat format;
    CAudioCodecInfo* aac = format.AddAacAudioCodec("AAC", "AAC", 7, 16);
    EXPECT_EQ(Bitrates(aac, 8000, 1, 16), (std::vector<ULONG>{8000, 16000}));
    EXPECT_EQ(Bitrates(aac, 24000, 1, 16), (std::vector<ULONG>{20000, 24000, 28000, 32000, 40000, 48000, 56000}));
    EXPECT_EQ(Bitrates(aac, 24000, 2, 16), (std::vector<ULONG>{40000, 48000, 56000, 64000, 80000, 96000, 112000}));
    EXPECT_EQ(Bitrates(aac, 44100, 2, 16).back(), 320000u);
    EXPECT_EQ(Bitrates(aac, 48000, 2, 16).front(), 112000u);
    EXPECT_EQ(aac->GetSampleRateCount(), 9);
}

TEST(ThirdPartyFormatTest, LookupsFindTheFirstOfAFormatAndExactNames)
{
    CThirdPartyFormat format;
    EXPECT_EQ(format.GetVideoCodecNameByFormat(5), nullptr);
    format.AddVideoCodec("A", "First", 5, 1, 32);
    format.AddVideoCodec("B", "Second", 5, 1, 4);
    format.AddAudioCodec("C", "Sound", 9);
    EXPECT_STREQ(format.GetVideoCodecNameByFormat(5), "First");
    EXPECT_STREQ(format.GetVideoCodecName(1), "Second");
    EXPECT_EQ(format.GetVideoCodecName(2), nullptr);
    EXPECT_EQ(format.GetVideoCodecFormatByName("Second"), 5u);
    EXPECT_EQ(format.GetAudioCodecFormatByName("Sound"), 9u);
    EXPECT_EQ(format.GetAudioCodecFormatByName("sound"), 0u);
    EXPECT_EQ(format.GetVideoCodec(1)->GetEncoderControl(), 4);
}

TEST(ThirdPartyFormatTest, TheFfmpegTableHoldsItsFourFormats)
{
    StffMpegLoader loader;
    EXPECT_EQ(StffMpegLoader::sLoader, &loader);
    ASSERT_EQ(loader.GetFormatCount(), 4);
    const ESplitterType types[] = {2040, 2041, 2000, 2022};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(loader.GetFormat(i)->GetSplitterType(), types[i]);
    ASSERT_NE(loader.GetFormatTextCodecs("flv"), nullptr);
    EXPECT_EQ(loader.GetFormatTextCodecs("flv")->GetSplitterType(), 2041);
    EXPECT_EQ(loader.GetFormatTextCodecs("avi"), nullptr);
    CffMpegFormat* psp = loader.GetSplitterCodecs(2022);
    EXPECT_EQ(psp->GetAudioCodecFormatByName("ffMpeg AAC Audio"), 86018u);
    EXPECT_EQ(psp->GetVideoCodec(0)->GetBlockSize(), 16);
    CAudioCodecInfo* adpcm = loader.GetSplitterCodecs(2040)->GetAudioCodec(1);
    EXPECT_EQ(Bitrates(adpcm, 22050, 2, 16), std::vector<ULONG>{177600});
    EXPECT_EQ(adpcm->Find(12000), nullptr);
    EXPECT_EQ(loader.GetSplitterCodecs(2000)->GetAudioCodecFormatByName("ffMpeg MPEG Audio"), 0x15000u);
}

} // namespace
