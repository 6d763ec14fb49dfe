#include "CFileExtensionChain.h"
#include "CFileExtensionFilterData.h"
#include "CFileFilterData.h"
#include "CFileTypeData.h"
#include "CFilterData.h"
#include "CSplitterInfo.h"
#include "EngineGuid.h"
#include "UPersistStorage.h"
#include "win32/TestHome.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

const GUID kFfmpeg = EngineGuid("{F5D3F801-5C5A-4156-99B3-CB9372744FA4}");
const GUID kQuickTime = EngineGuid("{14574638-37E2-4CDB-88AF-9B4E3C337460}");
const GUID kAviSplitter = EngineGuid("{1B544C20-FD0B-11CE-8C63-00AA0044B51E}");
const GUID kDvSplitter = EngineGuid("{4EB31670-9FC6-11CF-AF6E-00AA00B67A42}");
const GUID kMpeg1Splitter = EngineGuid("{336475D0-942A-11CE-A870-00AA002FEAB5}");

std::vector<std::string> HeadNames(const CFileExtensionFilterData& entry)
{
    std::vector<std::string> names;
    for (int i = 0; i < entry.GetFilterCount(); ++i) names.emplace_back(entry.GetFilter(i)->GetName());
    return names;
}

int ExtensionEntries(CFileFilterData& data)
{
    int count = 0;
    for (int i = 0; i < data.GetFileTypeCount(); ++i) count += data.GetFileType(i)->GetExtensionCount();
    return count;
}

class SplitterInfoTest : public ::testing::Test {
protected:
    MvTestHome m_home;
};

TEST_F(SplitterInfoTest, WithoutFileHoldsTheDefaults)
{
    CSplitterInfo info;
    CFileFilterData& data = info.GetFilterData();
    EXPECT_EQ(data.GetFileSourceCount(), 10);
    EXPECT_EQ(data.GetFileTypeCount(), 39);
    EXPECT_EQ(ExtensionEntries(data), 52);
    EXPECT_EQ(data.GetFileExtensionCount(), 51);

    const CFilterData* source = data.FindFileSource(GUID_NULL);
    ASSERT_NE(source, nullptr);
    EXPECT_EQ(source->GetName(), "File Source");
    EXPECT_EQ(source->GetNextFilterCount(), 15);
    ASSERT_NE(source->FindNextFilter(kAviSplitter), nullptr);
    EXPECT_NE(source->FindNextFilter(kAviSplitter)->FindNextFilter(kDvSplitter), nullptr);
    EXPECT_EQ(data.GetFileSource(9)->GetId(), kFfmpeg);

    const CFileExtensionFilterData* avi = data.FindExtension("AVI");
    ASSERT_NE(avi, nullptr);
    EXPECT_EQ(avi->GetExtension(), "avi");
    EXPECT_EQ(HeadNames(*avi), (std::vector<std::string>{"File Source", "ffMpeg Decoder"}));
    const CFilterData* aviSplitter = avi->GetFilter(0)->FindNextFilter(kAviSplitter);
    ASSERT_NE(aviSplitter, nullptr);
    EXPECT_NE(aviSplitter->FindNextFilter(kDvSplitter), nullptr);

    const CFileExtensionFilterData* vob = data.FindExtension("vob");
    ASSERT_NE(vob, nullptr);
    EXPECT_EQ(vob->GetFilter(0)->GetNextFilterCount(), 6);
    EXPECT_EQ(vob->GetFilter(0)->GetNextFilter(2)->GetId(), kMpeg1Splitter);

    const CFileTypeData* flic = data.FindFileType("FLIC - Flic Animation");
    ASSERT_NE(flic, nullptr);
    EXPECT_TRUE(flic->GetAllowVideo());
    EXPECT_FALSE(flic->GetAllowAudio());
    EXPECT_EQ(data.FindFileType("flic - flic animation"), nullptr);
    EXPECT_FALSE(data.FindFileType("RA - RealAudio")->GetAllowVideo());
    EXPECT_NE(data.FindFileType("RM - RealMedia")->FindExtension("RMVB"), nullptr);
}

TEST_F(SplitterInfoTest, FileEntriesKeepTheirPlaceAndDefaultsFollow)
{
    {
        CFileFilterData stored;
        stored.AddExtension("mp3")->AddFilter("ffMpeg Decoder", kFfmpeg);
        stored.AddFileType("My Type", true, false)->AddExtension("MYT");
        ASSERT_TRUE(UPersistStorage::SystemSave(stored, CSplitterInfo::kFileInfoName, CSplitterInfo::kFileName));
    }
    CSplitterInfo info;
    CFileFilterData& data = info.GetFilterData();
    EXPECT_EQ(data.GetFileExtension(0)->GetExtension(), "mp3");
    EXPECT_EQ(HeadNames(*data.FindExtension("mp3")),
              (std::vector<std::string>{"ffMpeg Decoder", "File Source", "QuickTime Decoder"}));
    EXPECT_NE(data.FindExtension("mp3")->FindFilter(GUID_NULL)->FindNextFilter(kMpeg1Splitter), nullptr);
    EXPECT_EQ(data.GetFileType(0)->GetName(), "My Type");
    EXPECT_EQ(data.GetFileTypeCount(), 40);
    EXPECT_EQ(data.GetFileExtensionCount(), 51);
}

TEST_F(SplitterInfoTest, SavedAtDestructionAndReadBack)
{
    {
        CSplitterInfo info;
        info.AddExtension("xyz", "My Reader", kQuickTime, "Splitter", kAviSplitter, "Second", kDvSplitter);
    }
    CSplitterInfo again;
    CFileFilterData& data = again.GetFilterData();
    const CFileExtensionFilterData* xyz = data.FindExtension("xyz");
    ASSERT_NE(xyz, nullptr);
    EXPECT_EQ(data.GetFileExtensionCount(), 52);
    ASSERT_EQ(xyz->GetFilterCount(), 1);
    const CFilterData* reader = xyz->GetFilter(0);
    EXPECT_EQ(reader->GetName(), "My Reader");
    EXPECT_EQ(reader->GetId(), kQuickTime);
    ASSERT_NE(reader->FindNextFilter(kAviSplitter), nullptr);
    EXPECT_NE(reader->FindNextFilter(kAviSplitter)->FindNextFilter(kDvSplitter), nullptr);
    EXPECT_EQ(data.GetFileSourceCount(), 10);
}

TEST_F(SplitterInfoTest, SavedWhereItWasReadAndNeverIntoAFolderGoneSince)
{
    const std::string file = std::string("/data/Morvane G5/") + CSplitterInfo::kFileName;
    std::string firstHome;
    std::unique_ptr<CSplitterInfo> info;
    {
        MvTestHome first;
        firstHome = first.Path();
        info = std::make_unique<CSplitterInfo>();
        MvTestHome second;
        // Read under the first home, ended under the second: saved under the first.
        CSplitterInfo(*info).GetFilterData();
        EXPECT_TRUE(std::filesystem::exists(first.Path() + file));
        EXPECT_FALSE(std::filesystem::exists(second.Path() + file));
    }
    // The home it was read from is gone: saving makes nothing again, there or anywhere else.
    EXPECT_FALSE(info->SaveXml());
    info.reset();
    EXPECT_FALSE(std::filesystem::exists(firstHome));
    EXPECT_FALSE(std::filesystem::exists(m_home.Path() + file));
}

TEST_F(SplitterInfoTest, ChainWithoutSplitterAddsOnlyTheReader)
{
    CSplitterInfo info;
    info.AddExtension("abc", "Reader", kQuickTime, "", GUID_NULL, "Second", kDvSplitter);
    const CFileExtensionFilterData* abc = info.GetFilterData().FindExtension("abc");
    ASSERT_NE(abc, nullptr);
    ASSERT_EQ(abc->GetFilterCount(), 1);
    EXPECT_EQ(abc->GetFilter(0)->GetNextFilterCount(), 0);
    CSplitterInfo::AddSplitter(nullptr, "none", kDvSplitter);
    CSplitterInfo::AddExtension(static_cast<CFileTypeData*>(nullptr), "none");
    CSplitterInfo::AddExtensionFilter(nullptr, "none", kDvSplitter);
}

TEST(FileExtensionFilterDataTest, ReorderKeepsTheFilter)
{
    CFileExtensionFilterData entry;
    CFilterData* first = entry.AddFilter("First", kQuickTime);
    CFilterData* second = entry.AddFilter("Second", kFfmpeg);
    EXPECT_EQ(entry.AddFilter("Again", kQuickTime), first);
    entry.RemoveFilter(second);
    entry.AddFilter(second, 0);
    EXPECT_EQ(entry.GetFilterIndex(second), 0);
    EXPECT_EQ(entry.GetFilterIndex(first), 1);
    EXPECT_EQ(entry.GetFilter(5), nullptr);
}

TEST(FileExtensionDataTest, ExtensionIsLowerCasedAndAnnounced)
{
    CFileExtensionData entry;
    EXPECT_TRUE(entry.SetExtension("MP3"));
    EXPECT_EQ(entry.GetExtension(), "mp3");
    EXPECT_FALSE(entry.SetExtension("mp3"));
    CFileTypeData type;
    EXPECT_TRUE(type.SetAllowVideo(false));
    EXPECT_FALSE(type.SetAllowVideo(false));
    EXPECT_EQ(type.AddExtension("Wav"), type.AddExtension("wav"));
    EXPECT_EQ(type.GetExtensionCount(), 1);
}

TEST(FileExtensionChainTest, ValidateSelfMessages)
{
    const GUID id = kQuickTime;
    struct Case {
        const char* sourceName;
        GUID source;
        const char* splitterName;
        GUID splitter;
        const char* splitter2Name;
        GUID splitter2;
        const char* message;  // null: valid
    };
    const Case cases[] = {
        {"", id, "", GUID_NULL, "", GUID_NULL, "Please enter a name for the reader."},
        {"", GUID_NULL, "", GUID_NULL, "", GUID_NULL, "Please specify either the reader or the splitter."},
        {"R", id, "", GUID_NULL, "S2", id, "Please specify the splitter."},
        {"R", id, "", id, "", GUID_NULL, "Please enter a name for the splitter."},
        {"", GUID_NULL, "S", id, "", id, "Please enter a name for the additional splitter."},
        {"R", id, "", GUID_NULL, "", GUID_NULL, nullptr},
        {"", GUID_NULL, "S", id, "S2", id, nullptr},
    };
    for (const Case& c : cases) {
        CFileExtensionChain chain;
        chain.SetFileSourceName(c.sourceName);
        chain.SetFileSourceId(c.source);
        chain.SetSplitter1Name(c.splitterName);
        chain.SetSplitter1Id(c.splitter);
        chain.SetSplitter2Name(c.splitter2Name);
        chain.SetSplitter2Id(c.splitter2);
        const char* message = chain.ValidateSelf();
        if (c.message)
            EXPECT_STREQ(message, c.message);
        else
            EXPECT_TRUE(message == nullptr || *message == 0) << message;
    }
    CFileExtensionChain chain;
    EXPECT_TRUE(chain.SetExtension("AVI"));
    EXPECT_EQ(chain.GetExtension(), "avi");
}

}  // namespace
