#include "CDualPersistPath.h"
#include "CPersistFile2.h"
#include "CPersistMultiFile2.h"
#include "CPersistPath.h"
#include "DataTestSupport.h"

TEST(PersistPath, AFolderEndsInExactlyOneSeparator)
{
    const struct {
        const char* given;
        const char* stored;
    } cases[] = {
        {"C:\\Videos\\Out", "C:/Videos/Out/"},
        {"/home/me/videos", "/home/me/videos/"},
        {"/home/me/videos/", "/home/me/videos/"},
        {"a\\b\\", "a/b/"},
        {"", "/"},
    };
    for (const auto& c : cases) {
        CPersistPath path;
        EXPECT_TRUE(path.SetFilePath(c.given)) << c.given;
        EXPECT_STREQ(c.stored, path.GetFilePath()) << c.given;
    }
}

TEST(PersistPath, SettingTheSameFolderAgainSendsNothing)
{
    CPersistPath path;
    NoticeLog log(path);
    EXPECT_TRUE(path.SetFilePath("/tmp/out"));
    EXPECT_FALSE(path.SetFilePath("/tmp/out"));
    EXPECT_FALSE(path.SetFilePath("\\tmp\\out\\"));
    EXPECT_EQ((Codes{"pspb"}), log.codes);
}

TEST(PersistPath, PathsLongerThanTheOldLimitAreKeptWhole)
{
    std::string longFolder = "/data/" + std::string(400, 'f');
    CPersistPath path;
    path.SetFilePath(longFolder.c_str());
    EXPECT_EQ(longFolder + "/", std::string(path.GetFilePath()));
    EXPECT_EQ(longFolder + "/", std::string(BinaryCopy(path)->GetFilePath()));
}

TEST(DualPersistPath, BothFoldersFollowTheRuleAndSurviveBothStorages)
{
    CDualPersistPath dual;
    NoticeLog log(dual);
    dual.SetFilePath("/first");
    EXPECT_TRUE(dual.SetFilePath2("second\\dir"));
    EXPECT_STREQ("second/dir/", dual.GetFilePath2());
    EXPECT_EQ((Codes{"pspb", "dpsg"}), log.codes);
    std::string xml = XmlText(dual);
    EXPECT_NE(std::string::npos, xml.find("<path>/first/</path>"));
    EXPECT_NE(std::string::npos, xml.find("<dppa>second/dir/</dppa>"));
    CDualPersistPath assigned;
    assigned = dual;
    for (auto copy : {BinaryCopy(dual), XmlLoad<CDualPersistPath>(xml), std::make_shared<CDualPersistPath>(assigned)}) {
        EXPECT_STREQ("/first/", copy->GetFilePath());
        EXPECT_STREQ("second/dir/", copy->GetFilePath2());
    }
}

TEST(PersistFile, AFileGetsNativeSeparatorsAndNoTrailingOne)
{
    CPersistFile2 file;
    NoticeLog log(file);
    EXPECT_TRUE(file.SetFilePath("C:\\Music\\song.old.wav"));
    EXPECT_STREQ("C:/Music/song.old.wav", file.GetFilePath());
    EXPECT_STREQ("song.old.wav", file.GetFileNameOnly());
    EXPECT_STREQ("song.old", file.GetFileNameWithoutExtension());
    EXPECT_STREQ("C:/Music", file.GetPathOnly());
    EXPECT_TRUE(file.ReplaceExtension("mp3"));
    EXPECT_STREQ("C:/Music/song.old.mp3", file.GetFilePath());
    EXPECT_FALSE(file.ReplaceExtension(".mp3"));
    EXPECT_TRUE(file.ReplaceExtension(""));
    EXPECT_STREQ("C:/Music/song.old", file.GetFilePath());
    EXPECT_EQ((Codes{"psf3", "psf3", "psf3"}), log.codes);
    EXPECT_TRUE(file.SetFilePath(""));
    EXPECT_STREQ("", file.GetFilePath());
}

TEST(PersistMultiFile, RangeFlagAndSegmentsSurviveBothStorages)
{
    CPersistMultiFile2 multi;
    NoticeLog log(multi);
    multi.SetFilePath("/rec/part.avi");
    EXPECT_TRUE(multi.SetIsMultiFile(true));
    EXPECT_TRUE(multi.SetStart(-5));
    EXPECT_TRUE(multi.SetEnd(INT64_C(0x123456789A)));
    EXPECT_FALSE(multi.SetEnd(INT64_C(0x123456789A)));
    EXPECT_EQ((Codes{"psf3", "pmf3", "pmf4", "pmf5"}), log.codes);
    for (const char* name : {"/rec/part1.avi", "/rec/part2.avi"}) {
        auto* segment = new CPersistFile2;
        segment->SetFilePath(name);
        multi.AddSegment(segment);
    }
    std::string xml = XmlText(multi);
    for (const char* key : {"path", "multi_file", "start", "end", "segments"}) EXPECT_TRUE(HasElement(xml, key)) << key;
    CPersistMultiFile2 assigned;
    assigned = multi;
    for (auto copy : {BinaryCopy(multi), XmlLoad<CPersistMultiFile2>(xml), std::make_shared<CPersistMultiFile2>(assigned)}) {
        EXPECT_STREQ("/rec/part.avi", copy->GetFilePath());
        EXPECT_TRUE(copy->GetIsMultiFile());
        EXPECT_EQ(-5, copy->GetStart());
        EXPECT_EQ(INT64_C(0x123456789A), copy->GetEnd());
        ASSERT_EQ(2, copy->GetSegmentCount());
        EXPECT_STREQ("/rec/part2.avi", copy->GetSegment(1)->GetFilePath());
        EXPECT_NE(multi.GetSegment(1), copy->GetSegment(1));
        EXPECT_EQ(nullptr, copy->GetSegment(2));
    }
}

TEST(PersistMultiFile, ClearResetsRangeFlagAndSegmentsSilently)
{
    CPersistMultiFile2 multi;
    multi.SetFilePath("/rec/a.avi");
    multi.SetIsMultiFile(true);
    multi.SetStart(3);
    multi.SetEnd(9);
    auto* segment = new CPersistFile2;
    multi.AddSegment(segment);
    multi.RemoveSegment(segment);
    EXPECT_EQ(0, multi.GetSegmentCount());
    multi.AddSegment(segment);
    NoticeLog log(multi), listLog(multi.GetSegments());
    multi.Clear();
    EXPECT_FALSE(multi.GetIsMultiFile());
    EXPECT_EQ(0, multi.GetStart());
    EXPECT_EQ(0, multi.GetEnd());
    EXPECT_EQ(0, multi.GetSegmentCount());
    EXPECT_STREQ("/rec/a.avi", multi.GetFilePath());
    EXPECT_TRUE(log.codes.empty());
    EXPECT_TRUE(listLog.codes.empty());
}
