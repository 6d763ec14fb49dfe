// A run whose written position stops moving is stopped from the message loop: an ASF
// reader input early in the file is rebuilt once with the older Windows Media source, any
// other stall ends the item as failed. On the virtual clock, with a scripted position.
#include "CDirectShowGraph.h"
#include "ConversionTestSupport.h"
#include "StDirectShow.h"

#include "win32/TestHome.h"
#include "win32/kernel/Clock.h"
#include "win32/windowing/MessageLoop.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

const GUID kOtherSource = {0x11111111, 0x2222, 0x3333, {1, 2, 3, 4, 5, 6, 7, 8}};
const GUID kSplitter = {0x44444444, 0x5555, 0x6666, {8, 7, 6, 5, 4, 3, 2, 1}};

class StallWatchdogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        MvUseVirtualClock(true);
        m_output = fs::path(m_home.Path()) / "out.wmv";
        std::ofstream(m_output) << "partial output";
    }
    void TearDown() override
    {
        MvPumpUntilIdle();
        MvUseVirtualClock(false);
    }

    // Creates and plays a conversion of a 100-second file at the given position.
    void Start(CScriptedConversion& admin, const GUID& source, double position, double duration = 100)
    {
        CMediaFile2 file;
        MakeInputFile(file, "/media/in.wmv", source, duration);
        file.SetSplitterId(kSplitter, 0);
        admin.SetMediaFile(file);
        CMediaOutput2 output;
        output.SetSplitterType(200);
        admin.SetMediaOutput(output);
        CSaveFile2 save;
        save.SetFilePath(m_output.string().c_str());
        save.SetFileReplace(kFileReplaceReplace);
        admin.SetSaveFile(save);
        admin.position = position;
        admin.AddListener(&m_ends);
        ASSERT_TRUE(admin.Create());
        ASSERT_TRUE(admin.Play());
        ASSERT_TRUE(admin.IsPlaying());
        admin.GetProgress(); // the first position is only recorded
    }

    // Lets the clock run with the position standing still, polls the progress as the
    // progress window does, and handles what the poll scheduled.
    void StandStill(CScriptedConversion& admin, int64_t ms)
    {
        MvAdvanceClock(ms);
        admin.GetProgress();
        MvPumpFor(100);
        MvPumpUntilIdle();
    }

    StDirectShow m_com;
    MvTestHome m_home;
    fs::path m_output;
    CEndWatcher m_ends;
};

} // namespace

TEST_F(StallWatchdogTest, TheTimeOutAndTheReactionDependOnTheSourceAndHowFarTheRunGot)
{
    const struct {
        const char* name;
        GUID source;
        double position;
        int64_t timeOut; // ms
        bool retries;
    } cases[] = {
        {"ASF reader at 40 %", CMediaConversionAdministrator2::kAsfReaderId, 40, 30000, true},
        {"ASF reader at 97 %", CMediaConversionAdministrator2::kAsfReaderId, 97, 30000, false},
        {"other source at 40 %", kOtherSource, 40, 60000, false},
    };
    for (const auto& c : cases) {
        std::ofstream(m_output) << "partial output";
        CEndWatcher ends;
        CScriptedConversion admin;
        Start(admin, c.source, c.position);
        admin.AddListener(&ends);
        // Standing still for exactly the time-out is not yet a stall.
        StandStill(admin, c.timeOut);
        EXPECT_TRUE(admin.IsPlaying()) << c.name;
        EXPECT_EQ(admin.inputIds.size(), 1u) << c.name;
        EXPECT_EQ(ends.Ends(), 0) << c.name;

        StandStill(admin, 1000);
        ASSERT_TRUE(MvPumpUntil([&] { return ends.Ends() > 0 || admin.inputIds.size() > 1; }, 10000)) << c.name;
        if (c.retries) {
            // Rebuilt with the older source and no splitters; the partial output is gone.
            ASSERT_EQ(admin.inputIds.size(), 2u) << c.name;
            EXPECT_EQ(admin.inputIds[1], CMediaConversionAdministrator2::kWmSourceId);
            EXPECT_EQ(admin.firstSplitters[1], GUID_NULL);
            EXPECT_TRUE(admin.GetRetry());
            EXPECT_TRUE(admin.IsPlaying());
            EXPECT_FALSE(fs::exists(m_output));
            EXPECT_EQ(ends.Ends(), 0) << c.name;
        } else {
            ASSERT_EQ(ends.Ends(), 1) << c.name;
            EXPECT_STREQ(ends.errors[0], CMediaConversionAdministrator2::kStallErrorText) << c.name;
            EXPECT_EQ(admin.inputIds.size(), 1u) << c.name;
            EXPECT_FALSE(admin.IsPlaying()) << c.name;
            // What was written is left for the caller to judge.
            EXPECT_TRUE(fs::exists(m_output)) << c.name;
        }
        admin.RemoveListener(&ends);
        admin.RemoveListener(&m_ends);
    }
}

TEST_F(StallWatchdogTest, ARebuiltRunWaitsTheLongerTimeOutAndASecondStallEndsItAsFailed)
{
    CScriptedConversion admin;
    Start(admin, CMediaConversionAdministrator2::kAsfReaderId, 40);
    StandStill(admin, 31000);
    ASSERT_TRUE(MvPumpUntil([&] { return admin.inputIds.size() == 2; }, 10000));
    ASSERT_TRUE(admin.IsPlaying());
    // The rebuilt run writes a little, then stands still again.
    admin.position = 41;
    admin.GetProgress();

    StandStill(admin, 60000);
    EXPECT_EQ(m_ends.Ends(), 0);
    EXPECT_TRUE(admin.IsPlaying());

    StandStill(admin, 1000);
    ASSERT_TRUE(MvPumpUntil([&] { return m_ends.Ends() == 1; }, 10000));
    EXPECT_STREQ(m_ends.errors[0], CMediaConversionAdministrator2::kStallErrorText);
    // Never a second retry of the same item.
    EXPECT_EQ(admin.inputIds.size(), 2u);
    EXPECT_FALSE(admin.GetRetry());
    MvPumpFor(200);
    EXPECT_EQ(m_ends.Ends(), 1);
    admin.RemoveListener(&m_ends);
}

// A stall whose rebuild fails used to end the item like a finished one, so a cut-off
// file counted as converted and the caller deleted its input.
TEST_F(StallWatchdogTest, ARetryThatCannotBeBuiltEndsTheItemAsFailed)
{
    CScriptedConversion admin;
    Start(admin, CMediaConversionAdministrator2::kAsfReaderId, 40);
    admin.connects = false;
    StandStill(admin, 31000);
    ASSERT_TRUE(MvPumpUntil([&] { return m_ends.Ends() == 1; }, 10000));
    EXPECT_EQ(admin.inputIds.size(), 2u);
    EXPECT_FALSE(admin.GetRetry());
    EXPECT_FALSE(m_ends.errors[0].IsEmpty());
    EXPECT_STREQ(admin.GetErrorText(), m_ends.errors[0]);
    admin.RemoveListener(&m_ends);
}

TEST_F(StallWatchdogTest, AStallOnlyCountsWhileTheRunPlaysAndHasALength)
{
    // A file whose slice has no length reports no progress and is never watched.
    CScriptedConversion empty;
    Start(empty, CMediaConversionAdministrator2::kAsfReaderId, 0, 0);
    EXPECT_EQ(empty.GetProgress(), 0);
    StandStill(empty, 120000);
    EXPECT_EQ(empty.GetProgress(), 0);
    EXPECT_TRUE(empty.IsPlaying());
    EXPECT_EQ(empty.inputIds.size(), 1u);
    EXPECT_EQ(m_ends.Ends(), 0);
    empty.RemoveListener(&m_ends);

    // A paused run stands still by the user's wish.
    CScriptedConversion paused;
    Start(paused, kOtherSource, 50);
    EXPECT_DOUBLE_EQ(paused.GetProgress(), 0.5);
    ASSERT_TRUE(paused.Pause());
    StandStill(paused, 120000);
    EXPECT_TRUE(paused.IsPaused());
    EXPECT_EQ(m_ends.Ends(), 0);
    // A moving position is no stall, however long the run.
    ASSERT_TRUE(paused.Play());
    for (int i = 1; i <= 5; ++i) {
        paused.position = 50 + i;
        StandStill(paused, 50000);
    }
    EXPECT_TRUE(paused.IsPlaying());
    EXPECT_EQ(m_ends.Ends(), 0);
    EXPECT_DOUBLE_EQ(paused.GetProgress(), 0.55);
    paused.position = 250;
    EXPECT_DOUBLE_EQ(paused.GetProgress(), 1.0);
    paused.RemoveListener(&m_ends);
}

TEST_F(StallWatchdogTest, AnAdministratorGoneBeforeTheDeferredReactionIsLeftAlone)
{
    auto* admin = new CScriptedConversion;
    Start(*admin, CMediaConversionAdministrator2::kAsfReaderId, 40);
    MvAdvanceClock(31000);
    admin->GetProgress(); // schedules the reaction
    admin->RemoveListener(&m_ends);
    delete admin;
    MvPumpFor(200);
    MvPumpUntilIdle();
    EXPECT_EQ(m_ends.Ends(), 0);
    // The file of a deleted job is not touched either.
    EXPECT_TRUE(fs::exists(m_output));
}
