#include "CAudioTrack.h"
#include "CFileBatch2.h"
#include "CMediaFile2.h"
#include "CSliceDuration2.h"
#include "MediaTestSupport.h"

TEST(MediaBatch, AsksForTheFolderUnlessWritingBesideEachInput)
{
    CFileBatch2 batch;
    EXPECT_TRUE(batch.IsInstanceOf(Code("meb2")));
    NoticeLog folderLog(batch.GetFilePath());
    EXPECT_STREQ("Please specify the output directory path.", batch.Validate());
    EXPECT_EQ((Codes{"2"}), folderLog.codes);
    batch.GetFilePath().SetSameDirectory(true);
    EXPECT_EQ(nullptr, batch.Validate());
    batch.GetFilePath().SetSameDirectory(false);
    batch.GetFilePath().SetFilePath("/out");
    EXPECT_EQ(nullptr, batch.Validate());
}

TEST(MediaBatch, AFileBatchKeepsItsFilesInOrder)
{
    CFileBatch2 batch;
    batch.GetMediaOutput().SetSplitterType(350);
    batch.GetFilePath().SetFilePath("/out/");
    for (const char* path : {"/in/b.wav", "/in/a.wav", "/in/c.wav"}) {
        auto* file = new CMediaFile2;
        file->GetFilePath().SetFilePath(path);
        file->SetDuration(60);
        file->AddAudioTrack(new CAudioTrack);
        file->AddSliceAtTime(10, 60);
        batch.GetMediaList().AddFile(file);
    }
    for (int xml = 0; xml < 2; ++xml) {
        auto copy = xml ? XmlCopy(batch) : BinaryCopy(batch);
        EXPECT_EQ(350, copy->GetMediaOutput().GetSplitterType());
        EXPECT_STREQ("/out/", copy->GetFilePath().GetFilePath());
        ASSERT_EQ(3, copy->GetMediaList().GetFileCount());
        const char* expected[] = {"/in/b.wav", "/in/a.wav", "/in/c.wav"};
        for (int i = 0; i < 3; ++i) {
            CMediaFile2* file = copy->GetMediaList().GetFile(i);
            EXPECT_STREQ(expected[i], file->GetFilePath().GetFilePath());
            EXPECT_EQ(1, file->GetAudioTrackCount());
            ASSERT_EQ(1, file->GetSliceCount());
            EXPECT_EQ(10, file->GetSliceAt(0)->GetStart());
        }
    }
    std::string xml = XmlText(batch);
    for (const char* element : {"output", "location", "file_list", "files"})
        EXPECT_TRUE(HasElement(xml, element)) << element;
}
