// Files added to a verifier are probed on its worker thread behind the progress dialog;
// the accepted ones are announced once, a cancel announces nothing.
#include "../../../../engine/tests/EngineTestMedia.h"
#include "CAudioTrack.h"
#include "CListener.h"
#include "CMediaFile2.h"
#include "CMediaFileVerifier.h"
#include "DroppedFiles.h"
#include "StDirectShow.h"

#include "win32/TestHome.h"
#include "win32/dialogs/CommonDialogs.h"
#include "win32/dialogs/Dialog.h"
#include "win32/windowing/MessageLoop.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// What a list does on the announcement: takes the media it keeps and asks about the rest.
class CListOwner : public CListener {
public:
    bool ListenToMessage(long message, const void* p, const void* q) override
    {
        if (message == CMediaVerifier::kMediaVerifiedMessage) {
            auto* verifier = static_cast<CMediaVerifier*>(const_cast<void*>(p));
            ++announcements;
            CPointerList& media = verifier->GetMediaList();
            while (media.GetItemCount() > 0) {
                taken.emplace_back(static_cast<CMediaFile2*>(media.GetAt(0)));
                media.RemoveAt(0);
            }
            for (int i = 0; i < verifier->GetFailList().GetItemCount(); ++i)
                rejected.insert(std::string(static_cast<CMediaFile2*>(verifier->GetFailList().GetAt(i))
                                                ->GetFilePath()
                                                .GetFileNameOnly()));
        }
        return CListener::ListenToMessage(message, p, q);
    }
    int announcements = 0;
    std::vector<std::unique_ptr<CMediaFile2>> taken;
    std::set<std::string> rejected;
};

class MediaVerifierRoadTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_dir = fs::path(m_home.Path()) / "add";
        fs::create_directories(m_dir / "more" / "deeper");
    }
    MvTestHome m_home;
    StDirectShow m_com;
    fs::path m_dir;
};

} // namespace

TEST_F(MediaVerifierRoadTest, OneAddedPathIsProbedAndAnnouncedWithItsTracks)
{
    WriteToneWav(m_dir / "voice.wav", 22050, 1.0);
    CMediaFileVerifier verifier(true, false, false, false);
    CListOwner owner;
    verifier.AddListener(&owner);
    verifier.AddFile((m_dir / "voice.wav").string().c_str());
    HWND progress = verifier.GetProgressDialog().GetSafeHwnd();
    ASSERT_NE(progress, nullptr);
    char title[64] = {};
    GetWindowTextA(progress, title, sizeof title);
    EXPECT_STREQ(title, "Adding files...");
    ASSERT_TRUE(MvPumpUntil([&] { return owner.announcements == 1; }, 30000));
    ASSERT_EQ(owner.taken.size(), 1u);
    CMediaFile2& file = *owner.taken[0];
    ASSERT_EQ(file.GetAudioTrackCount(), 1);
    EXPECT_EQ(file.GetAudioTrack(0)->GetAudioInfo().GetSampleRate(), 22050u);
    EXPECT_NEAR(file.GetDuration(), 1.0, 0.01);
    EXPECT_TRUE(owner.rejected.empty());
    // Nothing is left behind for the next batch.
    EXPECT_EQ(verifier.GetMediaList().GetItemCount(), 0);
    EXPECT_EQ(verifier.GetFailList().GetItemCount(), 0);
    EXPECT_EQ(verifier.GetWorker().GetQueue().GetItemCount(), 0);
    verifier.RemoveListener(&owner);
}

TEST_F(MediaVerifierRoadTest, ADropIsWalkedAndProtectedMusicIsNeverOpened)
{
    WriteToneWav(m_dir / "a.wav", 22050, 0.5);
    WriteToneWav(m_dir / "more" / "b.wav", 22050, 0.5);
    WriteToneWav(m_dir / "more" / "deeper" / "c.wav", 22050, 0.5);
    // Sound in every letter case of the protected extension: still not opened.
    WriteToneWav(m_dir / "song.M4P", 22050, 0.5);
    WriteToneWav(m_dir / "more" / "tune.m4p", 22050, 0.5);

    CMediaFileVerifier verifier(true, false, false, true);
    CListOwner owner;
    verifier.AddListener(&owner);
    HDROP drop = MvDropOnWindow({(m_dir / "a.wav").string(), (m_dir / "more").string(), (m_dir / "song.M4P").string()});
    ASSERT_NE(drop, nullptr);
    verifier.AddFiles(drop);
    DragFinish(drop);
    ASSERT_TRUE(MvPumpUntil([&] { return owner.announcements == 1; }, 30000));
    std::set<std::string> accepted;
    for (const auto& file : owner.taken) {
        EXPECT_EQ(file->GetAudioTrackCount(), 1);
        accepted.insert(std::string(file->GetFilePath().GetFileNameOnly()));
    }
    EXPECT_EQ(accepted, (std::set<std::string>{"a.wav", "b.wav", "c.wav"}));
    EXPECT_EQ(owner.rejected, (std::set<std::string>{"song.M4P", "tune.m4p"}));
    verifier.RemoveListener(&owner);
}

TEST_F(MediaVerifierRoadTest, CancellingTheProgressAnnouncesNothingAndKeepsNothing)
{
    for (int i = 0; i < 8; ++i) WriteToneWav(m_dir / ("part" + std::to_string(i) + ".wav"), 22050, 0.5);
    CMediaFileVerifier verifier(true, false, false, true);
    CListOwner owner;
    verifier.AddListener(&owner);
    HDROP drop = MvDropOnWindow({m_dir.string()});
    ASSERT_NE(drop, nullptr);
    verifier.AddFiles(drop);
    DragFinish(drop);
    // The user's Cancel on the progress window.
    HWND progress = verifier.GetProgressDialog().GetSafeHwnd();
    ASSERT_NE(progress, nullptr);
    SendMessageA(progress, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(MvPumpUntil([&] { return !verifier.GetWorker().IsRunning(); }, 30000));
    MvPumpUntilIdle();
    EXPECT_EQ(owner.announcements, 0);
    EXPECT_TRUE(owner.taken.empty());
    EXPECT_EQ(verifier.GetMediaList().GetItemCount(), 0);
    EXPECT_EQ(verifier.GetFailList().GetItemCount(), 0);
    EXPECT_EQ(verifier.GetWorker().GetResults().GetItemCount(), 0);
    EXPECT_EQ(verifier.GetWorker().GetQueue().GetItemCount(), 0);
    EXPECT_EQ(verifier.GetProgressDialog().GetSafeHwnd(), nullptr);

    // The next batch runs as usual.
    verifier.AddFile((m_dir / "part0.wav").string().c_str());
    ASSERT_TRUE(MvPumpUntil([&] { return owner.announcements == 1; }, 30000));
    EXPECT_EQ(owner.taken.size(), 1u);
    verifier.RemoveListener(&owner);
}

TEST_F(MediaVerifierRoadTest, FilesChosenInTheOpenPromptAreCheckedInTheirOrder)
{
    WriteToneWav(m_dir / "one.wav", 22050, 0.5);
    WriteToneWav(m_dir / "two.wav", 11025, 0.5);
    const fs::path notes = m_dir / "notes.wav";
    std::ofstream(notes) << "not sound";
    CMediaFileVerifier verifier(true, false, false, true);
    CListOwner owner;
    verifier.AddListener(&owner);
    MvTakeShownFileDialogs();
    MvScriptFileDialog(MvFileDialogAnswer{true, {(m_dir / "one.wav").string(), notes.string(), (m_dir / "two.wav").string()}, 0});
    verifier.Add();
    const auto shown = MvTakeShownFileDialogs();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_FALSE(shown[0].save);
    EXPECT_TRUE(shown[0].flags & OFN_ALLOWMULTISELECT);
    ASSERT_TRUE(MvPumpUntil([&] { return owner.announcements == 1; }, 30000));
    ASSERT_EQ(owner.taken.size(), 2u);
    EXPECT_STREQ(owner.taken[0]->GetFilePath().GetFileNameOnly(), "one.wav");
    EXPECT_STREQ(owner.taken[1]->GetFilePath().GetFileNameOnly(), "two.wav");
    EXPECT_EQ(owner.taken[1]->GetAudioTrack(0)->GetAudioInfo().GetSampleRate(), 11025u);
    EXPECT_EQ(owner.rejected, (std::set<std::string>{"notes.wav"}));

    // A prompt the user cancels starts nothing.
    MvScriptFileDialog(MvFileDialogAnswer{});
    verifier.Add();
    EXPECT_FALSE(verifier.GetWorker().IsRunning());
    EXPECT_EQ(verifier.GetProgressDialog().GetSafeHwnd(), nullptr);
    // No worker runs, so whatever could announce is already queued.
    MvPumpUntilIdle();
    EXPECT_EQ(owner.announcements, 1);
    verifier.RemoveListener(&owner);
}
