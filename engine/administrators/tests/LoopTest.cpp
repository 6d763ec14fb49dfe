#include "AdministratorTestSupport.h"
#include "CDxLoop2.h"
#include "CDxLoopTask.h"

#include "win32/windowing/MessageLoop.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Items that start or fail as listed; each run's end comes from its graph.
class CScriptedLoop : public CDxLoop2 {
public:
    explicit CScriptedLoop(std::vector<bool> starts) : m_starts(std::move(starts)) {}
    CDirectShowAdministrator2* CreateAdministratorSelf() override { return new CTestAdministrator; }
    bool NextItem() override { return ++m_index < int(m_starts.size()); }
    bool ProcessItem() override
    {
        if (!m_starts[size_t(m_index)]) return false;
        return m_administrator->Create() && m_administrator->Play();
    }
    void FailItem() override { log += "fail" + std::to_string(m_index) + " "; }
    void FinishLoop() override { log += "finish "; }
    std::string log;

private:
    std::vector<bool> m_starts;
    int m_index = -1;
};

class CLoopTestTask : public CDxLoopTask {
public:
    explicit CLoopTestTask(std::vector<bool> starts) : m_starts(std::move(starts)) {}
    ESplitterType GetSplitter() override { return 0; }
    CDxLoop2* CreateLoopSelf() override { return new CScriptedLoop(m_starts); }
    void OnItemEnd() override { ++itemEnds; }
    int itemEnds = 0;

private:
    std::vector<bool> m_starts;
};

class LoopTest : public ::testing::Test {
protected:
    void SetUp() override { CoInitialize(nullptr); }
    void TearDown() override
    {
        MvPumpUntilIdle();
        CoUninitialize();
    }
    static void Complete(CDxLoop2* loop)
    {
        LONG handled = 0;
        loop->GetAdministrator()->GetGraph()->Broadcast(CDirectShowGraph::kGraphCompleteMessage, &handled, nullptr);
    }
};

} // namespace

TEST_F(LoopTest, ItemsRunInTurnAndAFailedStartIsPassedOver)
{
    CScriptedLoop loop({true, false});
    CMessageLog log;
    loop.AddListener(&log);
    ASSERT_TRUE(loop.Start());
    Complete(&loop);
    ASSERT_TRUE(MvPumpUntil([&] { return log.Count(CDxLoop2::kLoopDoneMessage) == 1; }, 10000));
    EXPECT_EQ(log.messages, (std::vector<long>{CDxLoop2::kLoopItemStartedMessage, CDxLoop2::kLoopItemCompleteMessage,
                                               CDxLoop2::kLoopDoneMessage}));
    EXPECT_EQ(loop.log, "fail1 finish ");
    // The administrator stays for the next run of the loop.
    EXPECT_NE(loop.GetAdministrator(), nullptr);
    loop.RemoveListener(&log);
}

TEST_F(LoopTest, AFailedRunCountsAsAFailedItemAndSkipAndCancelEndAsTheyShould)
{
    CScriptedLoop loop({true, true, true});
    CMessageLog log;
    loop.AddListener(&log);
    ASSERT_TRUE(loop.Start());
    // The first run fails in its graph: a failed item, not a completed one.
    LONG word = 0;
    loop.GetAdministrator()->GetGraph()->Broadcast(CDirectShowGraph::kGraphErrorAbortMessage, &word, nullptr);
    ASSERT_TRUE(MvPumpUntil([&] { return log.Count(CDxLoop2::kLoopItemStartedMessage) == 2; }, 10000));
    EXPECT_EQ(loop.log, "fail0 ");
    EXPECT_EQ(log.Count(CDxLoop2::kLoopItemCompleteMessage), 0);
    // A skipped item is no completed one either.
    loop.Skip();
    EXPECT_EQ(log.Count(CDxLoop2::kLoopItemStartedMessage), 3);
    EXPECT_EQ(log.Count(CDxLoop2::kLoopItemCompleteMessage), 0);
    loop.Cancel();
    EXPECT_EQ(loop.GetAdministrator(), nullptr);
    EXPECT_EQ(log.Count(CDxLoop2::kLoopDoneMessage), 1);
    loop.RemoveListener(&log);
}

TEST_F(LoopTest, ALoopTaskStopsWhenItsLoopIsDone)
{
    CLoopTestTask empty({});
    EXPECT_FALSE(empty.Start());
    EXPECT_FALSE(empty.IsRunning());

    CLoopTestTask task({true, true});
    ASSERT_TRUE(task.Start());
    EXPECT_TRUE(task.IsRunning());
    Complete(task.GetLoop());
    ASSERT_TRUE(MvPumpUntil([&] { return task.itemEnds == 1; }, 10000));
    Complete(task.GetLoop());
    ASSERT_TRUE(MvPumpUntil([&] { return !task.IsRunning(); }, 10000));
    EXPECT_EQ(task.itemEnds, 2);
}
