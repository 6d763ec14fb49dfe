// A Windows Media write that reports its end only through another graph event is taken
// as complete once nearly the whole file is written.
#include "CDirectShowGraph.h"
#include "ConversionTestSupport.h"
#include "StDirectShow.h"

#include "win32/kernel/Clock.h"
#include "win32/windowing/MessageLoop.h"

#include <gtest/gtest.h>

namespace {

const GUID kSource = {0x11111111, 0x2222, 0x3333, {1, 2, 3, 4, 5, 6, 7, 8}};

class WindowsMediaEndTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        MvUseVirtualClock(true);
    }
    void TearDown() override
    {
        MvPumpUntilIdle();
        MvUseVirtualClock(false);
    }
    StDirectShow m_com;
};

} // namespace

TEST_F(WindowsMediaEndTest, EventElevenOrThirteenNearTheEndOfAWindowsMediaWriteCompletesIt)
{
    const struct {
        ESplitterType type;
        LONG code;
        double position; // of 100 seconds
        bool completes;
    } cases[] = {
        {200, 13, 96, true},  {200, 11, 96, true},  {250, 13, 96, true},  {251, 11, 99, true},
        {252, 13, 100, true}, {200, 13, 50, false}, {200, 13, 95, false}, {200, 12, 96, false},
        {200, 3, 96, false},  {500, 13, 96, false}, {249, 13, 96, false}, {253, 11, 96, false},
        {350, 11, 96, false},
    };
    for (const auto& c : cases) {
        CMediaFile2 file;
        MakeInputFile(file, "/media/in.wav", kSource, 100);
        CScriptedConversion admin;
        admin.SetMediaFile(file);
        CMediaOutput2 output;
        output.SetSplitterType(c.type);
        admin.SetMediaOutput(output);
        CSaveFile2 save;
        save.SetFilePath("/out/out.wma");
        admin.SetSaveFile(save);
        CEndWatcher ends;
        admin.AddListener(&ends);
        ASSERT_TRUE(admin.Create());
        ASSERT_TRUE(admin.Play());
        admin.position = c.position;
        MvAdvanceClock(4000);

        LONG code = c.code;
        admin.GetGraph()->Broadcast(CDirectShowGraph::kGraphEventMessage, &code, nullptr);
        if (c.completes) {
            // Handed back to the graph as its completion, and ended once from the loop.
            EXPECT_EQ(code, 1) << c.type << "/" << c.code;
            EXPECT_EQ(admin.GetConversionTime(), 4000u);
            EXPECT_FALSE(admin.IsPlaying());
            ASSERT_TRUE(MvPumpUntil([&] { return ends.Ends() == 1; }, 10000)) << c.type << "/" << c.code;
            EXPECT_TRUE(ends.errors[0].IsEmpty());
            MvPumpFor(100);
            EXPECT_EQ(ends.Ends(), 1);
        } else {
            EXPECT_EQ(code, c.code) << c.type << "/" << c.code << " at " << c.position;
            EXPECT_TRUE(admin.IsPlaying());
            MvPumpFor(100);
            EXPECT_EQ(ends.Ends(), 0) << c.type << "/" << c.code << " at " << c.position;
        }
        // Every such event counts as handled.
        LONG other = 7;
        EXPECT_TRUE(admin.ListenToMessage(CDirectShowGraph::kGraphEventMessage, &other, nullptr));
        admin.RemoveListener(&ends);
    }
}

TEST_F(WindowsMediaEndTest, TheGraphsOwnCompletionStillEndsTheRunOnce)
{
    CMediaFile2 file;
    MakeInputFile(file, "/media/in.wav", kSource, 10);
    CScriptedConversion admin;
    admin.SetMediaFile(file);
    CMediaOutput2 output;
    output.SetSplitterType(200);
    admin.SetMediaOutput(output);
    CEndWatcher ends;
    admin.AddListener(&ends);
    ASSERT_TRUE(admin.Create());
    ASSERT_TRUE(admin.Play());
    admin.position = 10;
    MvAdvanceClock(1500);
    LONG code = 13;
    admin.GetGraph()->Broadcast(CDirectShowGraph::kGraphEventMessage, &code, nullptr);
    LONG handled = 0;
    admin.GetGraph()->Broadcast(CDirectShowGraph::kGraphCompleteMessage, &handled, nullptr);
    ASSERT_TRUE(MvPumpUntil([&] { return ends.Ends() == 1; }, 10000));
    MvPumpFor(200);
    EXPECT_EQ(ends.Ends(), 1);
    EXPECT_EQ(admin.GetConversionTime(), 1500u);
    admin.RemoveListener(&ends);
}
