#include "CDirectShowAdministrator2.h"
#include "CFileBatch2.h"
#include "CMediaFile2.h"
#include "CMediaPlaybackLoop.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

// A loop whose items "play" at once: the walk alone is under test.
class CWalkOnlyLoop : public CMediaPlaybackLoop {
public:
    CDirectShowAdministrator2* CreateAdministratorSelf() override { return new CDirectShowAdministrator2; }
    bool ProcessItem() override
    {
        tried.push_back(GetCurrentFile());
        if (unplayable.count(GetCurrentFile())) return false;
        played.push_back(GetCurrentFile());
        return true;
    }
    std::vector<CMediaFile2*> played;
    std::vector<CMediaFile2*> tried;
    std::set<CMediaFile2*> unplayable;
};

class PlaybackLoopTest : public ::testing::Test {
protected:
    CMediaFile2* Add(const char* path, double seconds)
    {
        auto* file = new CMediaFile2;
        file->GetFilePath().SetFilePath(path);
        file->SetDuration(seconds);
        batch.GetMediaList().AddFile(file);
        return file;
    }
    CFileBatch2 batch;
    CWalkOnlyLoop loop;
};

TEST_F(PlaybackLoopTest, TheWalkWrapsResumesAndRestartsWhenItsItemIsGone)
{
    CMediaFile2* a = Add("/m/a.wav", 2);
    CMediaFile2* b = Add("/m/b.wav", 3);
    loop.SetBatch(&batch);
    ASSERT_TRUE(loop.Start());
    EXPECT_EQ(5.0, loop.GetTotalTime());
    EXPECT_STREQ("Playing 1 out of 2 files...", loop.GetText());
    loop.OnComplete();
    EXPECT_EQ(b, loop.GetCurrentFile());
    EXPECT_EQ(2.0, loop.GetDoneTime());
    EXPECT_TRUE(loop.IsLastItem());
    loop.OnComplete();
    EXPECT_EQ(a, loop.GetCurrentFile()) << "playback starts the list again after its last item";

    // Started again, the loop plays its current item again.
    loop.Start();
    EXPECT_EQ(a, loop.played.back());
    // An item removed meanwhile leaves the loop to start from the first.
    loop.OnComplete();
    ASSERT_EQ(b, loop.GetCurrentFile());
    batch.GetMediaList().GetFiles().Remove(b);
    loop.Start();
    EXPECT_EQ(a, loop.played.back());
    delete b;
}

TEST_F(PlaybackLoopTest, AnEmptyListFinishesAtOnce)
{
    loop.SetBatch(&batch);
    EXPECT_FALSE(loop.Start());
    EXPECT_TRUE(loop.played.empty());
    EXPECT_STREQ("", loop.GetText());
}

TEST_F(PlaybackLoopTest, OneItemPlaysAgainAfterItCompletes)
{
    CMediaFile2* only = Add("/m/only.wav", 1);
    loop.SetBatch(&batch);
    loop.Start();
    loop.OnComplete();
    EXPECT_EQ((std::vector<CMediaFile2*>{only, only}), loop.played);
    EXPECT_STREQ("Playing 1 out of 1 file...", loop.GetText());
}

TEST_F(PlaybackLoopTest, AWalkWhoseEveryItemFailsEndsAfterOneRound)
{
    CMediaFile2* a = Add("/m/a.wav", 2);
    CMediaFile2* b = Add("/m/b.wav", 3);
    loop.unplayable = {a, b};
    int done = 0;
    struct Done : CListener {
        int* count;
        bool ListenToMessage(long message, const void* p, const void* q) override
        {
            if (message == CDxLoop2::kLoopDoneMessage) ++*count;
            return CListener::ListenToMessage(message, p, q);
        }
    } watch;
    watch.count = &done;
    loop.AddListener(&watch);
    loop.SetBatch(&batch);
    EXPECT_FALSE(loop.Start());
    EXPECT_EQ((std::vector<CMediaFile2*>{a, b}), loop.tried);
    EXPECT_EQ(1, done);
    EXPECT_EQ(nullptr, loop.GetCurrentFile());
    loop.RemoveListener(&watch);
}

TEST_F(PlaybackLoopTest, AFailedItemIsPassedOverWhileOthersStillPlay)
{
    CMediaFile2* a = Add("/m/a.wav", 2);
    CMediaFile2* b = Add("/m/b.wav", 3);
    loop.unplayable = {a};
    loop.SetBatch(&batch);
    ASSERT_TRUE(loop.Start());
    EXPECT_EQ(b, loop.GetCurrentFile());
    loop.OnComplete();
    loop.OnComplete();
    EXPECT_EQ((std::vector<CMediaFile2*>{a, b, a, b, a, b}), loop.tried) << "round and round while b plays";
    EXPECT_EQ((std::vector<CMediaFile2*>{b, b, b}), loop.played);
}

} // namespace
