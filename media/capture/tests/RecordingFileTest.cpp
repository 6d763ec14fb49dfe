#include "CRecordingDir.h"
#include "CRecordingFile.h"
#include "MediaTestSupport.h"

TEST(RecordingFile, WellFormedNameGivesBaseNameStampAndPath)
{
    CRecordingFile file;
    NoticeLog log(file);
    const char* path = "/home/me/Recordings/Morning show 2007_03_05 14_30_00.avi";
    file.Parse(path);
    EXPECT_TRUE(file.ValidFormat());
    EXPECT_STREQ("Morning show", file.GetName());
    EXPECT_EQ(2007, file.GetDateTime().GetYear());
    EXPECT_EQ(3, file.GetDateTime().GetMonth());
    EXPECT_EQ(5, file.GetDateTime().GetDay());
    EXPECT_EQ(14, file.GetDateTime().GetHour());
    EXPECT_EQ(30, file.GetDateTime().GetMinute());
    EXPECT_EQ(0, file.GetDateTime().GetSecond());
    EXPECT_STREQ(path, file.GetFile().GetFilePath());
    EXPECT_EQ((Codes{"namf"}), log.codes);
}

TEST(RecordingFile, BadStampFieldsMakeTheFileInvalid)
{
    struct Case {
        const char* name;
    };
    for (const Case& c : {Case{"a 2005_03_05 14_30_00.wav"}, Case{"a 2007_13_05 14_30_00.wav"},
                          Case{"a 2007_03_32 14_30_00.wav"}, Case{"a 2007_03_05 25_30_00.wav"},
                          Case{"a 2007_03_05 14_61_00.wav"}, Case{"a 2007_0x_05 14_30_00.wav"},
                          Case{"a 2007_03_05 14_30_-1.wav"}}) {
        CRecordingFile file;
        CPersistDateTime before = file.GetDateTime();
        file.Parse(c.name);
        EXPECT_FALSE(file.ValidFormat()) << c.name;
        EXPECT_STREQ("a", file.GetName()) << c.name;
        EXPECT_EQ(before.GetYear(), file.GetDateTime().GetYear()) << c.name;
        EXPECT_EQ(before.GetMonth(), file.GetDateTime().GetMonth()) << c.name;
        EXPECT_EQ(before.GetHour(), file.GetDateTime().GetHour()) << c.name;
        EXPECT_TRUE(file.GetFile().GetFilePath().IsEmpty()) << c.name;
    }
}

TEST(RecordingFile, ShortNamesAreNotParsed)
{
    CRecordingFile file;
    file.Parse("/x/a 2007_03_05 14_30_00.avi");
    ASSERT_TRUE(file.ValidFormat());
    // Exactly the stamp and its separator: nothing changes, not even the valid flag.
    file.Parse("/x/ 2008_04_06 10_00_00.avi");
    EXPECT_TRUE(file.ValidFormat());
    EXPECT_STREQ("a", file.GetName());
    EXPECT_EQ(2007, file.GetDateTime().GetYear());

    CRecordingFile fresh;
    fresh.Parse(nullptr);
    EXPECT_FALSE(fresh.ValidFormat());
}

TEST(RecordingFile, ParseNumberStaysInsideTheText)
{
    CRecordingFile file;
    file.Parse("/x/a 2007_03_05 14_30_00.avi");
    EXPECT_EQ(0, file.ParseNumber("12", 1, 4, 0, 9999));
    EXPECT_FALSE(file.ValidFormat());
    EXPECT_EQ(0, file.ParseNumber(nullptr, 0, 1, 0, 9));
    EXPECT_EQ(0, file.ParseNumber("12", -1, 1, 0, 9));
}

TEST(RecordingDir, StoresOnlyThePathAndClonesItsFiles)
{
    CRecordingDir dir;
    dir.SetFilePath("/home/me/Recordings");
    auto* file = new CRecordingFile;
    file->Parse("/home/me/Recordings/Cam 2007_03_05 14_30_00.avi");
    dir.AddFile(file);
    EXPECT_TRUE(dir.IsInstanceOf(Code("pspa")));
    EXPECT_EQ(Code("rdir"), dir.GetObjectType());

    for (auto copy : {BinaryCopy(dir), XmlCopy(dir)}) {
        EXPECT_STREQ(dir.GetFilePath(), copy->GetFilePath());
        EXPECT_EQ(0, copy->GetFileList().GetItemCount());
    }

    std::unique_ptr<CPersistObject> clone(dir.Clone());
    auto& files = static_cast<CRecordingDir*>(clone.get())->GetFileList();
    ASSERT_EQ(1, files.GetItemCount());
    auto* copied = static_cast<CRecordingFile*>(files.GetAt(0));
    EXPECT_NE(file, copied);
    EXPECT_STREQ("Cam", copied->GetName());
    EXPECT_TRUE(copied->ValidFormat());
    EXPECT_EQ(14, copied->GetDateTime().GetHour());
    EXPECT_STREQ(file->GetFile().GetFilePath(), copied->GetFile().GetFilePath());
}
