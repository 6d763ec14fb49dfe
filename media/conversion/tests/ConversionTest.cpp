#include "CConversionBatch.h"
#include "CId3Info.h"
#include "CMediaConversionData.h"
#include "CMediaConversionOutputs.h"
#include "CMetaClassController.h"
#include "MediaTestSupport.h"

TEST(MediaConversionData, ANewJobWantsVideoAndHasAudioModeZero)
{
    CMediaConversionData job;
    EXPECT_TRUE(job.GetMediaOutput().GetWantsVideo());
    EXPECT_EQ(0, job.GetMediaOutput().GetAudioOutput().GetAudioMode());
    EXPECT_TRUE(job.IsInstanceOf(Code("mcdt")));
    EXPECT_TRUE(job.IsInstanceOf(Code("awr2")));
}

TEST(MediaConversionData, RoundTripsWriterAndInput)
{
    CMediaConversionData job;
    job.GetMediaOutput().SetSplitterType(500);
    job.GetFilePath().SetFilePath("/out/song.wav");
    job.GetInput().GetFilePath().SetFilePath("/in/song.mp3");
    job.GetInput().SetDuration(12.5);
    for (auto copy : {BinaryCopy(job), XmlCopy(job)}) {
        EXPECT_EQ(500, copy->GetMediaOutput().GetSplitterType());
        EXPECT_STREQ("/out/song.wav", copy->GetFilePath().GetFilePath());
        EXPECT_STREQ("/in/song.mp3", copy->GetInput().GetFilePath().GetFilePath());
        EXPECT_DOUBLE_EQ(12.5, copy->GetInput().GetDuration());
    }
    EXPECT_TRUE(XmlText(job).find("<input") != std::string::npos);
}

TEST(ConversionBatch, ValidationReportsTheFolder)
{
    CConversionBatch batch;
    NoticeLog folderLog(batch.GetFilePath());
    EXPECT_STREQ("Please specify the output directory path.", batch.Validate());
    EXPECT_EQ((Codes{"2"}), folderLog.codes);
    batch.GetFilePath().SetFilePath("/out");
    EXPECT_EQ(nullptr, batch.Validate());
    batch.GetFilePath().SetFilePath("");
    batch.GetFilePath().SetSameDirectory(true);
    EXPECT_EQ(nullptr, batch.Validate());
}

TEST(ConversionBatch, KeepsItsJobsInOrderThroughStorage)
{
    CConversionBatch batch;
    batch.GetFilePath().SetFilePath("/out/");
    CConversionList& list = batch.GetConversionList();
    for (const char* path : {"/in/a.avi", "/in/b.avi", "/in/c.avi"}) {
        auto* job = new CMediaConversionData;
        job->GetInput().GetFilePath().SetFilePath(path);
        list.AddFile(job);
    }
    list.RemoveFile(list.GetFile(1));
    ASSERT_EQ(2, list.GetFileCount());
    EXPECT_EQ(nullptr, list.GetFile(2));
    EXPECT_EQ(nullptr, list.GetFile(-1));
    for (auto copy : {BinaryCopy(batch), XmlCopy(batch)}) {
        CConversionList& loaded = copy->GetConversionList();
        ASSERT_EQ(2, loaded.GetFileCount());
        EXPECT_STREQ("/in/a.avi", loaded.GetFile(0)->GetInput().GetFilePath().GetFilePath());
        EXPECT_STREQ("/in/c.avi", loaded.GetFile(1)->GetInput().GetFilePath().GetFilePath());
        EXPECT_STREQ("/out/", copy->GetFilePath().GetFilePath());
    }
}

namespace {
// Stores any records under the key a conversion list keeps its jobs in.
class ForeignFiles : public CPersistObject {
public:
    void SaveSelf(const char* name, CPersistStorage& storage) override
    {
        CPersistObject::SaveSelf(name, storage);
        files.Save("files", storage);
    }
    CPersistList files;
};
}

TEST(ConversionList, DropsItemsOfOtherClassesOnLoading)
{
    ForeignFiles foreign;
    foreign.files.Add(new CId3Info);
    foreign.files.Add(new CMediaConversionData);
    CPersistStorage out;
    foreign.Save("Settings", out);
    ULONG size = 0;
    unsigned char* bytes = out.GetData(size);
    CPersistStorage in;
    in.SetData(bytes, size);
    CConversionList list;
    list.Load("Settings", in);
    EXPECT_FALSE(in.LoadFailed());
    ASSERT_EQ(1, list.GetFileCount());
    EXPECT_TRUE(list.GetFile(0)->IsInstanceOf(Code("mcdt")));
}

TEST(MediaConversionOutputs, AssignmentFromAPlainListKeepsTheInput)
{
    CMediaConversionOutputs outputs;
    EXPECT_TRUE(outputs.IsInstanceOf(Code("molt")));
    outputs.GetInput().GetFilePath().SetFilePath("/in/a.avi");
    CMediaOutputList plain;
    plain.GetOutputs().Add(new CMediaWriter2);
    plain.GetOutputs().Add(new CMediaWriter2);
    outputs = plain;
    EXPECT_EQ(2, outputs.GetOutputCount());
    EXPECT_STREQ("/in/a.avi", outputs.GetInput().GetFilePath().GetFilePath());

    CMediaConversionOutputs other;
    other = outputs;
    EXPECT_EQ(2, other.GetOutputCount());
    EXPECT_STREQ("/in/a.avi", other.GetInput().GetFilePath().GetFilePath());
    EXPECT_NE(outputs.GetOutput(0), other.GetOutput(0));

    for (auto copy : {BinaryCopy(outputs), XmlCopy(outputs)}) {
        EXPECT_EQ(2, copy->GetOutputCount());
        EXPECT_STREQ("/in/a.avi", copy->GetInput().GetFilePath().GetFilePath());
    }
}

TEST(Id3Info, AllTwelveTextsAreAnnouncedAndStored)
{
    CId3Info info;
    NoticeLog log(info);
    using Setter = bool (CId3Info::*)(const char*);
    using Getter = const CString& (CId3Info::*)() const;
    struct Field {
        Setter set;
        Getter get;
        const char* key;
        const char* notice;
    };
    const Field fields[] = {
        {&CId3Info::SetTitle, &CId3Info::GetTitle, "title", "id3j"},
        {&CId3Info::SetArtist, &CId3Info::GetArtist, "artist", "id3k"},
        {&CId3Info::SetAlbum, &CId3Info::GetAlbum, "album", "id3l"},
        {&CId3Info::SetCopyright, &CId3Info::GetCopyright, "copyright", "id3m"},
        {&CId3Info::SetComment, &CId3Info::GetComment, "comment", "id3n"},
        {&CId3Info::SetDescription, &CId3Info::GetDescription, "description", "id3o"},
        {&CId3Info::SetComposer, &CId3Info::GetComposer, "composer", "id3p"},
        {&CId3Info::SetGenre, &CId3Info::GetGenre, "genue", "id3q"},
        {&CId3Info::SetRating, &CId3Info::GetRating, "rating", "id3r"},
        {&CId3Info::SetAuthor, &CId3Info::GetAuthor, "author", "id3s"},
        {&CId3Info::SetDirector, &CId3Info::GetDirector, "director", "id3t"},
        {&CId3Info::SetProducer, &CId3Info::GetProducer, "producer", "id3u"},
    };
    Codes expected;
    for (const Field& f : fields) {
        EXPECT_TRUE((info.*f.get)().IsEmpty()) << f.key;
        EXPECT_TRUE((info.*f.set)(f.key)) << f.key;
        EXPECT_FALSE((info.*f.set)(f.key)) << f.key;
        expected.push_back(f.notice);
    }
    EXPECT_EQ(expected, log.codes);

    std::string xml = XmlText(info);
    std::unique_ptr<CPersistObject> made(CMetaClassController::CreateOne(Code("id3i")));
    ASSERT_NE(nullptr, dynamic_cast<CId3Info*>(made.get()));
    for (auto copy : {BinaryCopy(info), XmlLoad<CId3Info>(xml)}) {
        for (const Field& f : fields) EXPECT_STREQ(f.key, ((*copy).*f.get)()) << f.key;
    }
    for (const Field& f : fields) EXPECT_TRUE(HasElement(xml, f.key)) << f.key;
}
