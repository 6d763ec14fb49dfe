#include "CDvWriter2.h"
#include "CEnumMap.h"
#include "CEnumPair.h"
#include "CMediaOutput2.h"
#include "CMediaOutputList.h"
#include "CMediaWriter2.h"
#include "CSaveDir2.h"
#include "MediaTestSupport.h"

TEST(MediaOutput, AtLeastOneOfVideoAndAudioStaysWanted)
{
    CMediaOutput2 output;
    NoticeLog log(output);
    EXPECT_TRUE(output.SetWantsVideo(false));
    EXPECT_FALSE(output.SetWantsAudio(false));
    EXPECT_TRUE(output.GetWantsAudio());
    EXPECT_TRUE(output.SetWantsVideo(true));
    EXPECT_TRUE(output.SetWantsAudio(false));
    EXPECT_FALSE(output.SetWantsVideo(false));
    EXPECT_TRUE(output.GetWantsVideo());
    EXPECT_EQ((Codes{"mdo3", "mdo3", "mdo4"}), log.codes);
}

TEST(MediaOutput, PropertiesAndMembersAnnounceAndSurviveBothStorages)
{
    CMediaOutput2 output;
    EXPECT_TRUE(output.IsInstanceOf(Code("out2")));
    NoticeLog log(output);
    output.SetSplitterType(1000);
    output.SetWantsVideo(false);
    output.SetTvType(2);
    output.SetLoop(true);
    EXPECT_EQ((Codes{"out2", "mdo3", "mdo5", "mdo7"}), log.codes);
    output.GetVideoOutput().SetKeyFrame(60);
    output.GetAudioOutput().SetBitrate(64000);
    output.GetWmOutput().SetProfile("wm profile");
    output.GetRealOutput().SetProfile("real profile");
    output.GetSnapshotOutput().SetResize(true);
    EXPECT_EQ(&output.GetVideoOutput(), output.GetVideoOutput(3));
    EXPECT_EQ(&output.GetAudioOutput(), output.GetAudioOutput(0));
    for (int xml = 0; xml < 2; ++xml) {
        auto copy = xml ? XmlCopy(output) : BinaryCopy(output);
        EXPECT_EQ(1000, copy->GetSplitterType());
        EXPECT_FALSE(copy->GetWantsVideo());
        EXPECT_TRUE(copy->GetWantsAudio());
        EXPECT_EQ(2, copy->GetTvType());
        EXPECT_TRUE(copy->GetLoop());
        EXPECT_EQ(60u, copy->GetVideoOutput().GetKeyFrame());
        EXPECT_EQ(64000u, copy->GetAudioOutput().GetBitrate());
        EXPECT_STREQ("wm profile", copy->GetWmOutput().GetProfile());
        EXPECT_STREQ("real profile", copy->GetRealOutput().GetProfile());
        EXPECT_TRUE(copy->GetSnapshotOutput().GetResize());
    }
    std::string xml = XmlText(output);
    for (const char* element : {"type", "tv", "video", "audio", "wm", "real", "snap", "loop"})
        EXPECT_TRUE(HasElement(xml, element)) << element;

    // A copy is deep: its members are its own.
    CMediaOutput2 copy(output);
    copy.GetVideoOutput().SetKeyFrame(1);
    EXPECT_EQ(60u, output.GetVideoOutput().GetKeyFrame());
}

TEST(MediaOutput, VbrExtensionOnlyForRealMediaVbrProfiles)
{
    const struct {
        ESplitterType type;
        const char* profile;
        bool vbr;
    } cases[] = {{1000, "Broadband VBR 450k", true}, {1000, "Broadband 450k", false},
                 {500, "Broadband VBR 450k", false}, {1000, "vbr", false}};
    for (const auto& c : cases) {
        CMediaOutput2 output;
        output.SetSplitterType(c.type);
        output.GetRealOutput().SetProfile(c.profile);
        EXPECT_EQ(c.vbr, output.UseVbrExtension()) << c.type << " " << c.profile;
    }
}

TEST(MediaOutput, TvTextsAndTheOutputTypesBehindThem)
{
    CMediaOutput2 output;
    CEnumMap tv;
    ASSERT_TRUE(output.GetEnumText("tv", tv));
    ASSERT_EQ(3, tv.GetCount());
    EXPECT_STREQ("PAL", tv.Find(2L)->GetText());
    CEnumMap types;
    ASSERT_TRUE(output.GetEnumText("type", types));
    EXPECT_EQ(46, types.GetCount());
}

TEST(SaveFile, AsksForAFileNameAndKeepsItsPolicy)
{
    CSaveFile2 file;
    EXPECT_TRUE(file.IsInstanceOf(Code("psf2")));
    NoticeLog log(file);
    EXPECT_STREQ("Please specify the output file name.", file.Validate(true));
    file.SetFilePath("/home/me/speech.mp3");
    EXPECT_EQ(nullptr, file.Validate(true));
    file.SetAutoNaming(true);
    file.SetFileReplace(kFileReplaceRename);
    EXPECT_EQ((Codes{"2", "psf3", "svf4", "svf5"}), log.codes);
    CEnumMap map;
    ASSERT_TRUE(file.GetEnumText("replace", map));
    EXPECT_STREQ("Ask", map.Find(0L)->GetText());
    EXPECT_STREQ("Overwrite", map.Find(1L)->GetText());
    EXPECT_STREQ("Rename", map.Find(2L)->GetText());
    for (int xml = 0; xml < 2; ++xml) {
        auto copy = xml ? XmlCopy(file) : BinaryCopy(file);
        EXPECT_STREQ("/home/me/speech.mp3", copy->GetFilePath());
        EXPECT_TRUE(copy->GetAutoNaming());
        EXPECT_EQ(2, copy->GetFileReplace());
    }
    std::string xml = XmlText(file);
    EXPECT_TRUE(HasElement(xml, "auto_rename"));
    EXPECT_TRUE(HasElement(xml, "replace"));
}

TEST(SaveDir, FoldersEndWithASeparator)
{
    const struct {
        const char* given;
        const char* stored;
    } cases[] = {{"/home/me/out", "/home/me/out/"}, {"/home/me/out/", "/home/me/out/"}, {"", ""},
                 {"a\\b", "a\\b/"}};
    for (const auto& c : cases) {
        CSaveDir2 dir;
        dir.SetFilePath(c.given);
        EXPECT_STREQ(c.stored, dir.GetFilePath()) << c.given;
    }
}

TEST(SaveDir, TheSameFolderNeedsNoPath)
{
    CSaveDir2 dir;
    EXPECT_TRUE(dir.IsInstanceOf(Code("svf2")));
    EXPECT_TRUE(dir.IsInstanceOf(Code("psf2")));
    EXPECT_STREQ("Please specify the output directory path.", dir.Validate(false));
    NoticeLog log(dir);
    dir.SetFileReplace(kFileReplaceReplace);
    EXPECT_TRUE(dir.SetSameDirectory(true));
    EXPECT_EQ(nullptr, dir.Validate(true));
    EXPECT_EQ(1, dir.GetFileReplace());
    EXPECT_EQ((Codes{"svf5", "svd4"}), log.codes);
    for (int xml = 0; xml < 2; ++xml) {
        auto copy = xml ? XmlCopy(dir) : BinaryCopy(dir);
        EXPECT_TRUE(copy->GetSameDirectory());
        EXPECT_EQ(1, copy->GetFileReplace());
    }
    EXPECT_TRUE(HasElement(XmlText(dir), "same_dir"));
}

TEST(TimedAction, IntervalsOfTwoSecondsOrLessAreRefused)
{
    CTimedAction action;
    EXPECT_EQ(5, action.GetInterval());
    NoticeLog log(action);
    EXPECT_FALSE(action.SetInterval(2));
    EXPECT_EQ(5, action.GetInterval());
    EXPECT_TRUE(action.SetInterval(3));
    EXPECT_FALSE(action.SetInterval(0));
    EXPECT_EQ(3, action.GetInterval());
    EXPECT_EQ((Codes{"tmdd"}), log.codes);
    EXPECT_EQ(3, BinaryCopy(action)->GetInterval());
    EXPECT_EQ(3, XmlCopy(action)->GetInterval());
}

TEST(TimedAction, AStoredShortIntervalLoadsAsFive)
{
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\n<Settings>\n<interval>1</interval>\n</Settings>\n";
    EXPECT_EQ(5, XmlLoad<CTimedAction>(xml)->GetInterval());
    xml.replace(xml.find(">1<"), 3, ">7<");
    EXPECT_EQ(7, XmlLoad<CTimedAction>(xml)->GetInterval());
}

TEST(MediaWriter, WebImagesAreCheckedByTheirFtpRecord)
{
    CMediaWriter2 writer;
    writer.GetMediaOutput().SetSplitterType(500);
    EXPECT_STREQ("Please specify the output file name.", writer.Validate());
    writer.GetMediaOutput().SetSplitterType(1800);
    EXPECT_STREQ("Please enter the server address.", writer.Validate());
    writer.GetFtp().SetServer("ftp.example.org");
    writer.GetFtp().SetPath1("/cam.jpg");
    EXPECT_EQ(nullptr, writer.Validate());
    writer.GetMediaOutput().SetSplitterType(500);
    writer.GetFilePath().SetFilePath("/tmp/out.wav");
    EXPECT_EQ(nullptr, writer.Validate());
}

TEST(MediaWriter, TheFileMessageIsAnnouncedByTheFile)
{
    CMediaWriter2 writer;
    NoticeLog fileLog(writer.GetFilePath());
    NoticeLog writerLog(writer);
    EXPECT_NE(nullptr, writer.Validate());
    EXPECT_EQ((Codes{"2"}), fileLog.codes);
    EXPECT_TRUE(writerLog.codes.empty());
}

TEST(MediaWriter, MembersSurviveBothStorages)
{
    CMediaWriter2 writer;
    writer.GetMediaOutput().SetSplitterType(350);
    writer.GetMediaOutput().GetAudioOutput().SetBitrate(128000);
    writer.GetFilePath().SetFilePath("/music/talk.mp3");
    writer.GetFilePath().SetFileReplace(kFileReplaceReplace);
    writer.GetTimedAction().SetInterval(30);
    writer.GetFtp().SetServer("ftp.example.org");
    writer.GetFtp().SetPassword("secret");
    for (int xml = 0; xml < 2; ++xml) {
        auto copy = xml ? XmlCopy(writer) : BinaryCopy(writer);
        EXPECT_EQ(350, copy->GetMediaOutput().GetSplitterType());
        EXPECT_EQ(128000u, copy->GetMediaOutput().GetAudioOutput().GetBitrate());
        EXPECT_STREQ("/music/talk.mp3", copy->GetFilePath().GetFilePath());
        EXPECT_EQ(1, copy->GetFilePath().GetFileReplace());
        EXPECT_EQ(30, copy->GetTimedAction().GetInterval());
        EXPECT_STREQ("ftp.example.org", copy->GetFtp().GetServer());
        EXPECT_STREQ("secret", copy->GetFtp().GetPassword());
    }
    std::string xml = XmlText(writer);
    for (const char* element : {"output", "file", "ftp_interval", "ftp"})
        EXPECT_TRUE(HasElement(xml, element)) << element;
}

TEST(DvWriter, ChecksItsFile)
{
    CDvWriter2 writer;
    EXPECT_STREQ("Please specify the output file name.", writer.Validate());
    writer.GetFilePath().SetFilePath("/video/tape.avi");
    writer.GetOutputType().SetSplitterType(900);
    EXPECT_EQ(nullptr, writer.Validate());
    for (int xml = 0; xml < 2; ++xml) {
        auto copy = xml ? XmlCopy(writer) : BinaryCopy(writer);
        EXPECT_EQ(900, copy->GetOutputType().GetSplitterType());
        EXPECT_STREQ("/video/tape.avi", copy->GetFilePath().GetFilePath());
    }
}

TEST(MediaOutputList, HoldsWritersOnly)
{
    CMediaOutputList list;
    auto* first = new CMediaWriter2;
    auto* second = new CMediaWriter2;
    second->GetFilePath().SetFilePath("/out/2.wav");
    list.GetOutputs().Add(first);
    list.GetOutputs().Add(second);
    EXPECT_EQ(2, list.GetOutputCount());
    EXPECT_EQ(1, list.GetOutputIndex(second));
    EXPECT_EQ(nullptr, list.GetOutput(2));
    EXPECT_EQ(nullptr, list.GetOutput(-1));
    CMediaWriter2 stranger;
    EXPECT_EQ(-1, list.GetOutputIndex(&stranger));
    for (int xml = 0; xml < 2; ++xml) {
        auto copy = xml ? XmlCopy(list) : BinaryCopy(list);
        ASSERT_EQ(2, copy->GetOutputCount());
        EXPECT_STREQ("/out/2.wav", copy->GetOutput(1)->GetFilePath().GetFilePath());
    }

    // A list stored with another kind of record loads without it.
    CMediaOutputList mixed;
    mixed.GetOutputs().Add(new CSaveFile2);
    mixed.GetOutputs().Add(new CMediaWriter2);
    auto loaded = BinaryCopy(mixed);
    ASSERT_EQ(1, loaded->GetOutputCount());
    EXPECT_EQ(Code("awr2"), loaded->GetOutput(0)->GetObjectType());
}
