#include "AdministratorTestSupport.h"
#include "CDelayedFunction.h"
#include "CDirectShowWindow.h"
#include "CDxDirectTask.h"

#include "win32/windowing/MessageLoop.h"
#include "win32/windowing/Window.h"

#include <gtest/gtest.h>

namespace {

// A delayed call set after another one runs after it: a marker that the earlier one ran.
int MarkReached(long flag, long)
{
    *reinterpret_cast<bool*>(flag) = true;
    return 0;
}

class CTestTask : public CDxDirectTask {
public:
    ESplitterType GetSplitter() override { return 0; }
    CDirectShowAdministrator2* CreateAdministratorSelf() override
    {
        made = new CTestAdministrator;
        return made;
    }
    CTestAdministrator* made = nullptr;
};

class AdministratorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CoInitialize(nullptr);
        ASSERT_TRUE(m_window.CreateEx(0, nullptr, "video", WS_POPUP, CRect(0, 0, 160, 120), nullptr, 0));
    }
    void TearDown() override
    {
        MvPumpUntilIdle();
        m_window.DestroyWindow();
        CoUninitialize();
    }
    CDirectShowWindow m_window;
};

struct SConnectCase {
    const char* name;
    std::map<EOutputType, int> audio, video;
    int streams;
    std::map<EOutputType, bool> creates, connects;
    bool result;
    const char* error;
    std::vector<EOutputType> made;
};

} // namespace

TEST_F(AdministratorTest, OutputSetsAreMadeByThePinKindsOfTheSource)
{
    const SConnectCase cases[] = {
        {"no pins at all", {}, {}, 0, {}, {}, true, "", {}},
        {"every kind", {{kOutputNil, 1}, {kOutputProcessing, 1}}, {{kOutputRender, 1}}, 1, {}, {}, true, "",
         {kOutputNil, kOutputProcessing, kOutputRender, kOutputStream}},
        {"NIL failure overcome by processing video", {{kOutputNil, 1}}, {{kOutputProcessing, 1}}, 0, {},
         {{kOutputNil, false}}, true, "Unable to connect to NIL output.", {kOutputNil, kOutputProcessing}},
        {"NIL failure with processing audio only", {{kOutputNil, 1}, {kOutputProcessing, 1}}, {}, 0, {},
         {{kOutputNil, false}}, false, "Unable to connect to NIL output.", {}},
        {"NIL not made", {}, {{kOutputNil, 1}}, 0, {{kOutputNil, false}}, {}, false, "Unable to create NIL output.",
         {}},
        {"processing not made", {{kOutputProcessing, 1}}, {}, 0, {{kOutputProcessing, false}}, {}, false,
         "Unable to create processing agencies.", {}},
        {"renderer refuses", {{kOutputRender, 2}}, {}, 0, {}, {{kOutputRender, false}}, false,
         "Unable to connect to renderer.", {}},
        {"stream output refuses", {}, {}, 1, {}, {{kOutputStream, false}}, false,
         "Unable to connect to stream output.", {}},
    };
    for (const SConnectCase& c : cases) {
        CTestAdministrator admin;
        admin.audio = c.audio;
        admin.video = c.video;
        admin.streams = c.streams;
        admin.creates = c.creates;
        admin.connects = c.connects;
        CMessageLog log;
        admin.AddListener(&log);
        EXPECT_EQ(admin.Create(), c.result) << c.name;
        EXPECT_STREQ(admin.GetErrorText(), c.error) << c.name;
        EXPECT_EQ(log.Count(CDirectShowAdministrator2::kAdministratorConnectedMessage), c.result ? 1 : 0) << c.name;
        if (c.result) {
            const std::map<EOutputType, COutputFilters2*> sets = {{kOutputNil, admin.GetNilOutputFilters()},
                                                                 {kOutputProcessing, admin.GetProcessingOutputFilters()},
                                                                 {kOutputRender, admin.GetRenderOutputFilters()},
                                                                 {kOutputStream, admin.GetStreamingOutputFilters()}};
            for (const auto& [kind, set] : sets)
                EXPECT_EQ(set != nullptr, std::count(c.made.begin(), c.made.end(), kind) == 1) << c.name << kind;
        } else {
            // A failed creation leaves nothing behind.
            EXPECT_EQ(admin.GetGraph(), nullptr) << c.name;
            EXPECT_EQ(admin.GetInputFilters(), nullptr) << c.name;
        }
        admin.RemoveListener(&log);
    }
}

TEST_F(AdministratorTest, TheFirstErrorStaysUntilTheNextCreate)
{
    CTestAdministrator admin;
    admin.inputConnects = false;
    EXPECT_FALSE(admin.Create());
    EXPECT_STREQ(admin.GetErrorText(), CInputFilters2::kConnectError);
    admin.SetErrorText("later");
    EXPECT_STREQ(admin.GetErrorText(), CInputFilters2::kConnectError);
    admin.inputConnects = true;
    EXPECT_TRUE(admin.Create());
    EXPECT_STREQ(admin.GetErrorText(), "");
    CMessageLog log;
    admin.AddListener(&log);
    admin.Release();
    EXPECT_EQ(log.Count(CDirectShowAdministrator2::kAdministratorReleasedMessage), 1);
    EXPECT_TRUE(admin.IsStopped());
    EXPECT_FALSE(admin.Play());
    admin.RemoveListener(&log);
}

// The task frees the administrator and its graph when the job completes; inside the
// graph's own broadcast that would pull the graph from under its caller.
TEST_F(AdministratorTest, ACompletionEndsTheTaskFromTheMessageLoopNotInsideTheGraphBroadcast)
{
    CTestTask task;
    task.SetVideoWindow(nullptr, &m_window);
    ASSERT_TRUE(task.Start());
    CTestAdministrator* admin = task.made;
    ASSERT_EQ(task.GetAdministrator(), admin);
    CMessageLog log;
    admin->AddListener(&log);
    CDirectShowGraph* graph = admin->GetGraph();
    ASSERT_NE(graph, nullptr);
    EXPECT_EQ(m_window.GetGraph(), graph);

    LONG handled = 0;
    graph->Broadcast(CDirectShowGraph::kGraphCompleteMessage, &handled, nullptr);
    // Still whole after the graph's broadcast: taken over, not yet relayed.
    EXPECT_EQ(handled, 1);
    EXPECT_EQ(task.GetAdministrator(), admin);
    EXPECT_EQ(admin->GetGraph(), graph);
    EXPECT_EQ(log.Count(CDirectShowAdministrator2::kGraphCompleteMessage), 0);
    // A second notice of the same run is not relayed again.
    graph->Broadcast(CDirectShowGraph::kGraphCompleteMessage, &handled, nullptr);

    ASSERT_TRUE(MvPumpUntil([&] { return task.GetAdministrator() == nullptr; }, 10000));
    EXPECT_EQ(log.Count(CDirectShowAdministrator2::kGraphCompleteMessage), 1);
    EXPECT_FALSE(task.IsRunning());
    // The window no longer names the freed graph.
    EXPECT_EQ(m_window.GetGraph(), nullptr);
}

TEST_F(AdministratorTest, ARealCompletionNoticeIsRelayedOnceAndTheGraphIsLeftAtItsEnd)
{
    CTestAdministrator admin;
    admin.SetVideoWindow(&m_window);
    ASSERT_TRUE(admin.Create());
    CMessageLog log;
    admin.AddListener(&log);
    ASSERT_TRUE(admin.Play());
    RaiseGraphEvent(admin.GetGraph(), EC_COMPLETE);
    ASSERT_TRUE(MvPumpUntil([&] { return log.Count(CDirectShowAdministrator2::kGraphCompleteMessage) == 1; }, 10000));
    MvPumpUntilIdle();
    EXPECT_EQ(log.Count(CDirectShowAdministrator2::kGraphCompleteMessage), 1);
    EXPECT_EQ(log.Count(CDirectShowAdministrator2::kGraphErrorAbortMessage), 0);
    EXPECT_TRUE(admin.IsStopped());
    EXPECT_STREQ(admin.GetErrorText(), "");
    // A new run completes anew.
    ASSERT_TRUE(admin.Play());
    RaiseGraphEvent(admin.GetGraph(), EC_COMPLETE);
    ASSERT_TRUE(MvPumpUntil([&] { return log.Count(CDirectShowAdministrator2::kGraphCompleteMessage) == 2; }, 10000));
    admin.RemoveListener(&log);
}

// An error abort used to store its text and nothing more: the job waited for ever.
TEST_F(AdministratorTest, AnErrorAbortEndsTheJobAndTellsItsListenersWithTheError)
{
    CTestTask task;
    task.SetVideoWindow(nullptr, &m_window);
    ASSERT_TRUE(task.Start());
    CTestAdministrator* admin = task.made;
    CMessageLog log;
    admin->AddListener(&log);
    CString errorSeen;
    struct CErrorReader : CListener {
        CString* seen;
        bool ListenToMessage(long message, const void* p, const void* q) override
        {
            if (message == CDirectShowAdministrator2::kGraphErrorAbortMessage)
                *seen = static_cast<const CDirectShowAdministrator2*>(p)->GetErrorText();
            return CListener::ListenToMessage(message, p, q);
        }
    } reader;
    reader.seen = &errorSeen;
    admin->AddListener(&reader);
    RaiseGraphEvent(admin->GetGraph(), EC_ERRORABORT);
    // The graph may still report its end after the failure: one end only.
    RaiseGraphEvent(admin->GetGraph(), EC_COMPLETE);
    ASSERT_TRUE(MvPumpUntil([&] { return !task.IsRunning() && task.GetAdministrator() == nullptr; }, 10000));
    const auto abort = std::find(log.messages.begin(), log.messages.end(), CDirectShowAdministrator2::kGraphErrorAbortMessage);
    const auto end = std::find(log.messages.begin(), log.messages.end(), CDirectShowAdministrator2::kGraphCompleteMessage);
    EXPECT_LT(abort, end);
    EXPECT_EQ(log.Count(CDirectShowAdministrator2::kGraphErrorAbortMessage), 1);
    EXPECT_EQ(log.Count(CDirectShowAdministrator2::kGraphCompleteMessage), 1);
    EXPECT_STREQ(errorSeen, "Unknown Error. Task aborted.");
}

TEST_F(AdministratorTest, ACompletionNotYetRelayedIsDroppedByARelease)
{
    CTestAdministrator admin;
    ASSERT_TRUE(admin.Create());
    CMessageLog log;
    admin.AddListener(&log);
    LONG handled = 0;
    admin.GetGraph()->Broadcast(CDirectShowGraph::kGraphCompleteMessage, &handled, nullptr);
    ASSERT_TRUE(admin.Create());
    bool reached = false;
    ASSERT_TRUE(CDelayedFunction::Run(MarkReached, reinterpret_cast<long>(&reached), 0));
    ASSERT_TRUE(MvPumpUntil([&] { return reached; }, 30000));
    MvPumpUntilIdle();
    EXPECT_EQ(log.Count(CDirectShowAdministrator2::kGraphCompleteMessage), 0);
    admin.RemoveListener(&log);
}
