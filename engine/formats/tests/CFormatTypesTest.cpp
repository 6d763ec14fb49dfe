#include "CFormatTypes.h"
#include "CDirectShowSystem2.h"
#include "CTvCodecOption.h"
#include "CFilePrompter.h"
#include "EngineGuid.h"
#include "StApplicationId.h"

#include <gtest/gtest.h>

namespace {

class FormatTypesTest : public ::testing::Test {
protected:
    void SetUp() override { StApplicationId::sId = &m_app; }
    void TearDown() override { StApplicationId::sId = m_previous; }
    void UseApplication(unsigned long id) { m_app.SetId(id); }

    StApplicationId* m_previous = StApplicationId::sId;
    StApplicationId m_app{1};
};

TEST_F(FormatTypesTest, FirstTableIsProcessWideUntilDestroyed)
{
    ASSERT_EQ(CFormatTypes::sFormatTypes, nullptr);
    {
        CFormatTypes first;
        CFormatTypes second;
        EXPECT_EQ(CFormatTypes::sFormatTypes, &first);
    }
    EXPECT_EQ(CFormatTypes::sFormatTypes, nullptr);
}

TEST_F(FormatTypesTest, BuiltInRowsInOrder)
{
    CFormatTypes table;
    const ESplitterType order[] = {630, 631, 650, 1600, 100, 110, 120, 900, 610, 611, 620, 1700, 1800, 1200,
                                   350, 640, 2022, 1100, 600, 601, 1000, 500, 200, 250, 251, 252, 130,
                                   300, 310, 400, 410, 420, 2000, 2040, 2041};
    ASSERT_EQ(table.GetFileTypeCount(), static_cast<int>(std::size(order)));
    for (int i = 0; i < table.GetFileTypeCount(); ++i) EXPECT_EQ(table.GetFileType(i)->GetSplitterType(), order[i]);

    const CFormatType* avi = table.FindFileType(100);
    EXPECT_EQ(avi->GetName(), "AVI - Audio Video Interleave");
    EXPECT_EQ(avi->GetAudioTypeName(), "AVI (Audio Only)");
    EXPECT_EQ(avi->GetMuxId(), EngineGuid("{E2510970-F137-11CE-8B67-00AA00A3F1A6}"));
    EXPECT_FALSE(avi->GetMuxInstalled());
    EXPECT_EQ(table.FindFileType(110)->GetMux2Id(), avi->GetMuxId());
    EXPECT_TRUE(table.FindFileType(1600)->GetAllowLoop());
    EXPECT_EQ(table.FindFileType(1000)->GetInterfaceType(), 123);
}

TEST_F(FormatTypesTest, AliasRowsCopyMaskAndMultiplexer)
{
    CFormatTypes table;
    for (ESplitterType type : {120, 130}) {
        const CFormatType* row = table.FindFileType(type);
        ASSERT_NE(row, nullptr);
        EXPECT_EQ(row->GetAlias(), 100);
        EXPECT_EQ(row->GetInterfaceType(), 3);
        EXPECT_EQ(row->GetMuxId(), table.FindFileType(100)->GetMuxId());
    }
    EXPECT_EQ(table.FindFileType(120)->GetAliasFilter(), "divx");
    EXPECT_EQ(table.FindFileType(130)->GetVideoExtension(), "xvid");

    const int count = table.GetFileTypeCount();
    EXPECT_EQ(table.AddFileType(140, 4242, "Missing", ""), nullptr);
    EXPECT_EQ(table.GetFileTypeCount(), count);
}

TEST_F(FormatTypesTest, UnknownTypeGivesNothing)
{
    CFormatTypes table;
    EXPECT_EQ(table.FindFileType(4242), nullptr);
    EXPECT_TRUE(table.GetFileTypeName(4242, false).IsEmpty());
    EXPECT_TRUE(table.GetFileExtension(4242, true, false).IsEmpty());
    EXPECT_FALSE(table.UseInterface(4242, 3));
    CFilePrompter prompter;
    EXPECT_FALSE(CFormatTypes::FillFileSavePrompter(prompter, false, 4242, false));
    EXPECT_TRUE(CFormatTypes::FillFileSavePrompter(prompter, true, 500, false));
}

TEST_F(FormatTypesTest, ExtensionsAndNames)
{
    CFormatTypes table;
    EXPECT_EQ(table.GetFileExtension(1000, false, true), "rmvb");
    EXPECT_EQ(table.GetFileExtension(1000, false, false), "rm");
    EXPECT_EQ(table.GetFileExtension(1000, true, false), "ra");
    EXPECT_EQ(table.GetFileExtension(100, false, true), "avi");
    EXPECT_EQ(table.GetFileTypeName(1200, true), "MKA - Matroska Audio");
    EXPECT_TRUE(table.GetFileTypeName(350, false).IsEmpty());
}

TEST_F(FormatTypesTest, QuickTimeTypesOnlyForConfiguredRows)
{
    CFormatTypes table;
    EXPECT_EQ(table.FindSplitterTypeFromQuickTimeType(FourCharCode("MooV")), 601);
    EXPECT_EQ(table.FindQuickTimeTypeFromSplitterType(600), 0u);
    EXPECT_EQ(table.FindQuickTimeTypeFromSplitterType(640), static_cast<DWORD>(FourCharCode("mpg4")));
    EXPECT_EQ(table.FindSplitterTypeFromQuickTimeType(FourCharCode("dvc!")), 610);
    EXPECT_EQ(table.FindSplitterTypeFromQuickTimeType(FourCharCode("none")), 0);
}

TEST_F(FormatTypesTest, WriterChosenByApplication)
{
    const GUID mp4Listed = EngineGuid("{4082751B-B509-435D-AAC4-D592DA95C6FF}");
    UseApplication(31198);
    {
        CFormatTypes table;
        EXPECT_EQ(table.FindFileType(640)->GetFileWriterId(), mp4Listed);
        EXPECT_EQ(table.FindFileType(600)->GetFileWriterId(), EngineGuid("{733E3501-32ED-40EB-BDFB-842ECEA4822F}"));
    }
    UseApplication(64481);
    CFormatTypes table;
    EXPECT_EQ(table.FindFileType(640)->GetFileWriterId(), EngineGuid("{BC99931A-8215-4F53-8762-9366AD8DA03A}"));
    EXPECT_EQ(table.FindFileType(601)->GetFileWriterId(), EngineGuid("{BC6F00DB-F7E1-4EF6-A868-B88948EC7240}"));
}

TEST_F(FormatTypesTest, SupportedByApplication)
{
    struct Case {
        unsigned long app;
        ESplitterType type;
        bool offered;
    };
    const Case cases[] = {
        {11097, 100, false}, {11097, 200, true},  {11097, 110, false}, {20000, 1600, true}, {20000, 500, false},
        {29771, 100, true},  {29771, 200, false}, {49534, 250, true},  {49534, 251, false}, {95505, 110, true},
        {95505, 900, false}, {1, 2022, false},    {27746, 2022, true}, {56631, 1800, true}, {1, 1800, false},
        {50957, 421, true},  {1, 421, false},     {79001, 250, false}, {79001, 251, true},  {1, 251, false},
        {19237, 252, true},  {1, 252, false},     {1, 100, true},      {98102, 2022, false},
    };
    for (const Case& c : cases) {
        UseApplication(c.app);
        EXPECT_EQ(CFormatTypes::SupportedByApp(c.type), c.offered) << c.app << " " << c.type;
    }
}

TEST_F(FormatTypesTest, FindByNameTakesOfferedRow)
{
    CFormatTypes table;
    const char* customized = "WMV - Windows Media Video (Profile Customized)";
    UseApplication(79001);
    EXPECT_EQ(table.GetFileTypeFromName(customized), 251);
    UseApplication(10001);
    EXPECT_EQ(table.GetFileTypeFromName(customized), 252);
    UseApplication(1);
    EXPECT_EQ(table.GetFileTypeFromName(customized), 0);
    EXPECT_EQ(table.GetFileTypeFromName("AVI (Audio Only)"), 100);
    EXPECT_EQ(table.GetFileTypeFromName("avi (audio only)"), 0);
}

TEST(FormatTypeTest, AssignmentKeepsTargetsOwnSettings)
{
    CFormatType source;
    source.SetSplitterType(7);
    source.SetName("Seven");
    source.SetInterfaceType(3);
    source.SetVideoExtension("sv,sv2");
    source.SetMinimumFrameRate(5.0);
    source.AddFrameRate(29.97);
    source.SetConfigureFlag(1);

    CFormatType target;
    target.SetInterfaceType(4);
    target.SetVideoExtension("keep");
    target = source;
    EXPECT_EQ(target.GetSplitterType(), 7);
    EXPECT_EQ(target.GetName(), "Seven");
    EXPECT_EQ(target.GetMinimumFrameRate(), 5.0);
    ASSERT_EQ(target.GetFrameRateCount(), 1);
    EXPECT_DOUBLE_EQ(target.GetFrameRate(0), 29.97);
    EXPECT_EQ(target.GetInterfaceType(), 4);
    EXPECT_EQ(target.GetVideoExtension(true), "keep");
    EXPECT_EQ(target.GetConfigureFlag(), 0);

    const CFormatType copy(source);
    EXPECT_EQ(copy.GetVideoExtension(true), "sv2");
    EXPECT_EQ(copy.GetConfigureFlag(), 1);
}

TEST(FormatTypeTest, FrameRatesAndMinimum)
{
    CFormatTypes table;
    EXPECT_EQ(table.FindFileType(100)->FindBestFitFrameRate(1.0), 2.5);
    EXPECT_EQ(table.FindFileType(600)->FindBestFitFrameRate(1.0), 1.0);
    CFormatType row;
    row.AddFrameRate(25.0);
    row.AddFrameRate(29.97);
    row.RemoveFrameRate(25.0004);
    ASSERT_EQ(row.GetFrameRateCount(), 1);
    EXPECT_DOUBLE_EQ(row.GetFrameRate(0), 29.97);
    // A type that lists rates fits any rate to the nearest of them, the earlier on a tie,
    // whatever its minimum.
    row.AddFrameRate(20.0);
    row.AddFrameRate(10.0);
    row.SetMinimumFrameRate(25.0);
    for (const auto& [asked, fitted] : {std::pair{25.0, 29.97}, {24.0, 20.0}, {15.0, 20.0}, {14.0, 10.0},
                                         {1.0, 10.0}, {60.0, 29.97}})
        EXPECT_DOUBLE_EQ(row.FindBestFitFrameRate(asked), fitted) << asked;
    row.SetInterfaceType(8);
    EXPECT_FALSE(row.MayHaveAudio());
    EXPECT_TRUE(row.AllowInterface(13));
}

}  // namespace

TEST_F(FormatTypesTest, AnEngineForSoundAloneOffersOnlyTypesWithAnAudioName)
{
    CFormatTypes table;
    const bool video = CDirectShowSystem2::sNeedsVideo, audio = CDirectShowSystem2::sNeedsAudio;
    struct Case {
        bool video, audio;
        ESplitterType type;
        bool offered;
    };
    const Case cases[] = {
        {false, true, 100, true}, {false, true, 110, false}, {false, true, 2022, false}, {false, true, 500, true},
        {true, false, 110, true}, {true, true, 110, true},   {false, false, 110, true},
    };
    UseApplication(98102);
    for (const Case& c : cases) {
        CDirectShowSystem2::sNeedsVideo = c.video;
        CDirectShowSystem2::sNeedsAudio = c.audio;
        EXPECT_EQ(CFormatTypes::SupportedByApp(c.type), c.offered) << c.video << c.audio << " " << c.type;
    }
    // The application that offers AVI-DV as such keeps it.
    UseApplication(95505);
    CDirectShowSystem2::sNeedsVideo = false;
    CDirectShowSystem2::sNeedsAudio = true;
    EXPECT_TRUE(CFormatTypes::SupportedByApp(110));
    CDirectShowSystem2::sNeedsVideo = video;
    CDirectShowSystem2::sNeedsAudio = audio;
}

TEST_F(FormatTypesTest, DvTypesCarryTheirTvStandards)
{
    CFormatTypes table;
    for (ESplitterType type : {110, 900, 610, 611}) {
        const CFormatType* row = table.FindFileType(type);
        ASSERT_EQ(row->GetTvOptionCount(), 2) << type;
        const CTvCodecOption* ntsc = row->Find(1);
        const CTvCodecOption* pal = row->Find(2);
        ASSERT_TRUE(ntsc && pal) << type;
        EXPECT_EQ(ntsc->GetSize(0)->GetHeight(), 480);
        EXPECT_EQ(pal->GetSize(0)->GetHeight(), 576);
        EXPECT_EQ(pal->GetSampleRateCount(), type == 611 ? 1 : 3) << type;
    }
    EXPECT_EQ(table.FindFileType(100)->GetTvOptionCount(), 0);
    // A copied row has options of its own.
    CFormatType* copy = table.CopyFileType(*table.FindFileType(110));
    EXPECT_NE(copy->Find(1), table.FindFileType(110)->Find(1));
    EXPECT_EQ(copy->Add(1), copy->Find(1));
    EXPECT_EQ(copy->GetTvOptionCount(), 2);
}
