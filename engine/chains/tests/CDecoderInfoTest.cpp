#include "CAudioDecoderInfo.h"
#include "CDecoderItem.h"
#include "CFilterCheck.h"
#include "CFilterTracker.h"
#include "CVideoDecoderInfo.h"
#include "EngineGuid.h"
#include "UDirectoryUtils.h"
#include "win32/kernel/ShellFolders.h"
#include "win32/TestHome.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace {

const GUID kMpeg1 = EngineGuid("{FEB50740-7BEF-11CE-9BD9-0000E202599C}");
const GUID kMjpeg = EngineGuid("{301056D0-6DFF-11D2-9EEB-006008039E37}");
const GUID kIv41 = EngineGuid("{31345649-0000-0010-8000-00AA00389B71}");
const GUID kWmvDmo = EngineGuid("{82D353DF-90BD-4382-8BC2-3F6192B76E34}");
const GUID kSubtype = EngineGuid("{34363248-0000-0010-8000-00AA00389B71}");
const GUID kOwn = EngineGuid("{11111111-2222-3333-4444-555555555555}");

class DecoderInfoTest : public ::testing::Test {
protected:
    void WriteIni(const char* file, const std::string& text)
    {
        const std::string folder = UDirectoryUtils::GetCommonAppDataDirectory();
        MvCreateFolders(folder);
        std::ofstream(folder + file) << text;
    }
    std::string ReadIni(const char* file)
    {
        std::ifstream in(std::string(UDirectoryUtils::GetCommonAppDataDirectory()) + file);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    MvTestHome m_home;
};

TEST_F(DecoderInfoTest, WithoutFileHoldsTheDefaultsInOrder)
{
    CVideoDecoderInfo video;
    // The two Indeo 4 rows share an id: one item, named by the later row.
    EXPECT_EQ(video.GetCodecCount(), 29);
    EXPECT_EQ(video.GetCodec(0)->GetName(), "MJPEG Decoder");
    ASSERT_NE(video.Find(kIv41), nullptr);
    EXPECT_EQ(video.Find(kIv41)->GetName(), "Indeo 32 Decoder");
    EXPECT_EQ(video.GetCodecIndex(video.Find(kIv41)), 3);
    EXPECT_TRUE(video.Find(kWmvDmo)->GetIsDmo());
    EXPECT_EQ(video.GetCodecId(28), EngineGuid("{9BC1B781-85E3-11D2-98D0-0080C84E9C39}"));
    EXPECT_EQ(video.GetCodecId(29), GUID_NULL);
    EXPECT_EQ(video.GetCodecId(-1), GUID_NULL);

    CAudioDecoderInfo audio;
    EXPECT_EQ(audio.GetCodecCount(), 24);
    EXPECT_EQ(audio.GetCodec(23)->GetName(), "ACM Wrapper");
    // The file is written at construction, in the ini layout.
    const std::string text = ReadIni(CAudioDecoderInfo::kFileName);
    EXPECT_NE(text.find("Count=24"), std::string::npos);
    EXPECT_NE(text.find("Id={6A08CF80-0E18-11CF-A24D-0020AFD79767}"), std::string::npos);
}

TEST_F(DecoderInfoTest, UserOrderStaysAndDefaultsFollowWithBuiltInNames)
{
    WriteIni(CVideoDecoderInfo::kFileName, "[Codec]\nCount=2\n"
                                           "[0]\nName=My MPEG\nId={FEB50740-7BEF-11CE-9BD9-0000E202599C}\nDmo=1\n"
                                           "[1]\nName=Own\nId={11111111-2222-3333-4444-555555555555}\nDmo=0\n");
    CVideoDecoderInfo video;
    EXPECT_EQ(video.GetCodecId(0), kMpeg1);
    EXPECT_EQ(video.GetCodec(0)->GetName(), "MPEG-1 Decoder");
    EXPECT_FALSE(video.GetCodec(0)->GetIsDmo());
    EXPECT_EQ(video.GetCodecId(1), kOwn);
    EXPECT_EQ(video.GetCodecId(2), kMjpeg);
    EXPECT_EQ(video.GetCodecCount(), 30);
}

TEST_F(DecoderInfoTest, DamagedFileLoadsWhatItCan)
{
    // A huge count, ids that are cut, unbraced, overlong or missing: the readable items load.
    WriteIni(CVideoDecoderInfo::kFileName, "[Codec]\nCount=4000000000\n"
                                           "[0]\nName=Cut\nId={FEB50740-7BEF-11CE\n"
                                           "[1]\nName=Own\nId={11111111-2222-3333-4444-555555555555}\n"
                                           "[2]\nName=Bare\nId=FEB50740-7BEF-11CE-9BD9-0000E202599C\n"
                                           "[3]\nName=Long\nId={11111111-2222-3333-4444-5555555555551234}\n"
                                           "[5]\nName=Null\nId={00000000-0000-0000-0000-000000000000}\n");
    CVideoDecoderInfo video;
    EXPECT_EQ(video.GetCodecId(0), kOwn);
    EXPECT_EQ(video.GetCodec(0)->GetName(), "Own");
    EXPECT_EQ(video.GetCodecCount(), 30);
    EXPECT_EQ(video.Find(GUID_NULL), nullptr);
    // Written back clean.
    EXPECT_NE(ReadIni(CVideoDecoderInfo::kFileName).find("Count=30"), std::string::npos);
}

TEST_F(DecoderInfoTest, CompatibilityRecordsSayWhetherToTry)
{
    CVideoDecoderInfo video;
    bool dmo = true;
    bool tried = true;
    EXPECT_FALSE(video.UseDecoder(kOwn, kSubtype, dmo, tried));

    ASSERT_TRUE(video.UseDecoder(kWmvDmo, kSubtype, dmo, tried));
    EXPECT_TRUE(dmo);
    EXPECT_FALSE(tried);

    video.SetUseDecoder(kMjpeg, kSubtype, true);
    ASSERT_TRUE(video.UseDecoder(kMjpeg, kSubtype, dmo, tried));
    EXPECT_FALSE(dmo);
    EXPECT_TRUE(tried);

    video.SetUseDecoder(kMjpeg, kSubtype, false);
    EXPECT_FALSE(video.UseDecoder(kMjpeg, kSubtype, dmo, tried));
    EXPECT_TRUE(tried);

    // The records live on in the file for the next run.
    CVideoDecoderInfo again;
    EXPECT_FALSE(again.UseDecoder(kMjpeg, kSubtype, dmo, tried));
    EXPECT_TRUE(again.UseDecoder(kMjpeg, kOwn, dmo, tried));
}

TEST_F(DecoderInfoTest, AnyOtherRecordValueCountsAsFailing)
{
    WriteIni(CVideoDecoderInfo::kFileName,
             "[{34363248-0000-0010-8000-00AA00389B71}]\n{301056D0-6DFF-11D2-9EEB-006008039E37}=7\n");
    CVideoDecoderInfo video;
    bool dmo = false;
    bool tried = false;
    EXPECT_FALSE(video.UseDecoder(kMjpeg, kSubtype, dmo, tried));
    EXPECT_TRUE(tried);
}

TEST(DecoderItemTest, ValidatesAndNotifiesOnlyChanges)
{
    CDecoderItem item;
    EXPECT_STREQ(item.ValidateSelf(), "Please specify a name.");
    item.SetName("Decoder");
    EXPECT_STREQ(item.ValidateSelf(), "Please enter the GUID for the decoder.");
    EXPECT_TRUE(item.SetId(kMjpeg));
    EXPECT_FALSE(item.SetId(kMjpeg));
    EXPECT_TRUE(item.SetIsDmo(true));
    EXPECT_FALSE(item.SetIsDmo(true));
    const char* valid = item.ValidateSelf();
    EXPECT_TRUE(valid == nullptr || *valid == 0);
    EXPECT_TRUE(item.IsInstanceOf(FourCharCode("name")));
}

TEST(FilterTrackerTest, AddKeepsEveryRecordAndFindGivesTheFirst)
{
    CFilterTracker tracker;
    bool installed = true;
    EXPECT_FALSE(tracker.IsTested(kMjpeg, installed));
    tracker.Add(kMjpeg, false);
    tracker.Add(kMjpeg, true);
    EXPECT_EQ(tracker.GetCount(), 2);
    ASSERT_TRUE(tracker.IsTested(kMjpeg, installed));
    EXPECT_FALSE(installed);
    EXPECT_FALSE(tracker.Find(kMjpeg)->GetInstalled());
    EXPECT_EQ(tracker.Find(kOwn), nullptr);
}

} // namespace
