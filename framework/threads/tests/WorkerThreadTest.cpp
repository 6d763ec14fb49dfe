#include "CListener.h"
#include "CWorkerThread.h"
#include "win32/windowing/MessageLoop.h"
#include "win32/windowing/MessageQueue.h"
#include "win32/kernel/Threads.h"
#include "win32/windowing/Window.h"

#include <gtest/gtest.h>
#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

namespace {

struct Heard {
    long message;
    const void* p;
    const void* q;
    DWORD thread;
};

class Recorder : public CListener {
public:
    std::vector<Heard> heard;
    bool ListenToMessage(long message, const void* p, const void* q) override
    {
        if (message == 0) return CListener::ListenToMessage(message, p, q);
        heard.push_back({message, p, q, GetCurrentThreadId()});
        return true;
    }
    int Count(long message) const
    {
        int n = 0;
        for (const Heard& h : heard) n += h.message == message;
        return n;
    }
};

std::atomic<int> gAlive{0};

// A job that reports progress, relays a broadcast and waits for a go or a cancel.
class Job : public CWorkerThread {
public:
    Job() { ++gAlive; }
    ~Job() override
    {
        CancelAndWait();
        --gAlive;
    }

    bool refuse = false;
    bool waitForGo = false;
    bool quiet = false;  // no update or broadcast: the first message sent is the finish
    std::atomic<bool> go{false};
    std::atomic<bool> sawCancel{false};
    std::atomic<bool> executed{false};
    DWORD executeThread = 0;
    DWORD finishThread = 0;
    DWORD updateThread = 0;
    double progressAtUpdate = -1;
    std::atomic<int> updates{0};

    bool PrepareSelf(long param) override { return !refuse && CWorkerThread::PrepareSelf(param); }
    void ExecuteSelf(long param) override
    {
        executeThread = GetCurrentThreadId();
        SetProgress(0.5);
        if (!quiet) {
            Update();
            IndirectBroadcast(param, &executeThread, &finishThread);
        }
        while (waitForGo && !go.load()) {
            if (IsCanceled()) {
                sawCancel = true;
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        executed = true;
    }
    void UpdateSelf() override
    {
        updateThread = GetCurrentThreadId();
        progressAtUpdate = GetProgress();
        ++updates;
    }
    void FinishSelf() override
    {
        finishThread = GetCurrentThreadId();
        CWorkerThread::FinishSelf();
    }
};

class WorkerThreadTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        MvPumpUntilIdle();
        EXPECT_EQ(gAlive.load(), 0);
        EXPECT_EQ(CWorkerThread::GetThreadWindow(), nullptr);
    }
};

TEST_F(WorkerThreadTest, RefusedPreparationStartsNothing)
{
    Job job;
    Recorder recorder;
    job.AddListener(&recorder);
    job.refuse = true;
    EXPECT_FALSE(job.Execute(5));
    EXPECT_FALSE(job.IsRunning());
    EXPECT_TRUE(recorder.heard.empty());
    EXPECT_EQ(job.GetParam(), 0);
}

TEST_F(WorkerThreadTest, StepsRunOnTheirThreads)
{
    Job* job = new Job;
    job->SetAutoDelete(false);
    Recorder recorder;
    job->AddListener(&recorder);
    const DWORD ui = GetCurrentThreadId();
    ASSERT_TRUE(job->Execute(777));
    EXPECT_TRUE(job->IsRunning());
    EXPECT_EQ(job->GetParam(), 777);
    ASSERT_FALSE(recorder.heard.empty());
    EXPECT_EQ(recorder.heard[0].message, kWorkerStartedMessage);
    EXPECT_EQ(recorder.heard[0].p, job);
    EXPECT_EQ(recorder.heard[0].thread, ui);

    ASSERT_TRUE(MvPumpUntil([&] { return !job->IsRunning(); }, 30000));
    EXPECT_NE(job->executeThread, ui);
    EXPECT_EQ(job->updateThread, ui);
    EXPECT_EQ(job->progressAtUpdate, 0.5);
    EXPECT_EQ(job->finishThread, ui);
    ASSERT_EQ(recorder.heard.size(), 3u);
    // The relayed broadcast carries the worker and null, whatever the job passed.
    EXPECT_EQ(recorder.heard[1].message, 777);
    EXPECT_EQ(recorder.heard[1].p, job);
    EXPECT_EQ(recorder.heard[1].q, nullptr);
    EXPECT_EQ(recorder.heard[1].thread, ui);
    EXPECT_EQ(recorder.heard[2].message, kWorkerFinishedMessage);
    EXPECT_EQ(recorder.heard[2].p, job);
    EXPECT_EQ(recorder.heard[2].thread, ui);

    // Not auto-deleting: it can run again.
    ASSERT_TRUE(job->Execute(1));
    ASSERT_TRUE(MvPumpUntil([&] { return !job->IsRunning(); }, 30000));
    EXPECT_EQ(recorder.Count(kWorkerFinishedMessage), 2);
    delete job;
}

TEST_F(WorkerThreadTest, AutoDeletingJobIsGoneAfterItsFinish)
{
    Job* job = new Job;
    Recorder recorder;
    job->AddListener(&recorder);
    ASSERT_TRUE(job->Execute(1));
    ASSERT_TRUE(MvPumpUntil([&] { return gAlive.load() == 0; }, 30000));
    EXPECT_EQ(recorder.Count(kWorkerFinishedMessage), 1);
    // Its death was announced after the finish.
    EXPECT_EQ(recorder.heard.back().message, kWorkerFinishedMessage);
}

TEST_F(WorkerThreadTest, ExecuteWhileRunningIsRefused)
{
    Job job;
    job.SetAutoDelete(false);
    job.waitForGo = true;
    ASSERT_TRUE(job.Execute(1));
    EXPECT_FALSE(job.Execute(2));
    EXPECT_EQ(job.GetParam(), 1);
    job.go = true;
    ASSERT_TRUE(MvPumpUntil([&] { return !job.IsRunning(); }, 30000));
}

TEST_F(WorkerThreadTest, WorkersShareOneWindow)
{
    HWND first = nullptr;
    {
        Job a;
        first = CWorkerThread::GetThreadWindow();
        ASSERT_TRUE(IsWindow(first));
        EXPECT_FALSE(IsWindowVisible(first));
        char title[32] = {};
        GetWindowTextA(first, title, sizeof title);
        EXPECT_STREQ(title, "Threads");
        Job b;
        CWorkerThread copy(b);
        EXPECT_EQ(CWorkerThread::GetThreadWindow(), first);
    }
    EXPECT_FALSE(IsWindow(first));
    Job c;
    EXPECT_TRUE(IsWindow(CWorkerThread::GetThreadWindow()));
}

TEST_F(WorkerThreadTest, DestroyingARunningWorkerCancelsAndWaits)
{
    auto* job = new Job;
    job->waitForGo = true;
    Recorder recorder;
    job->AddListener(&recorder);
    ASSERT_TRUE(job->Execute(1));
    ASSERT_TRUE(MvPumpUntil([&] { return job->updates.load() == 1; }, 30000));
    delete job;
    EXPECT_EQ(gAlive.load(), 0);
    EXPECT_EQ(recorder.Count(kWorkerFinishedMessage), 0);
    MvPumpUntilIdle();
}

TEST_F(WorkerThreadTest, DestroyingAWorkerWhoseFinishIsWaiting)
{
    // The job is over and its thread waits for this thread to run the finish.
    auto* job = new Job;
    job->quiet = true;
    ASSERT_TRUE(job->Execute(1));
    auto finishSent = [&] { return job->executed && (GetQueueStatus(QS_SENDMESSAGE) & QS_SENDMESSAGE); };
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!finishSent() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    ASSERT_TRUE(finishSent());
    EXPECT_TRUE(job->IsRunning());
    delete job;
    EXPECT_EQ(gAlive.load(), 0);
}

TEST_F(WorkerThreadTest, CancelReachesTheJob)
{
    Job job;
    job.SetAutoDelete(false);
    job.waitForGo = true;
    ASSERT_TRUE(job.Execute(1));
    EXPECT_FALSE(job.IsCanceled());
    job.Cancel();
    EXPECT_TRUE(job.IsCanceled());
    ASSERT_TRUE(MvPumpUntil([&] { return !job.IsRunning(); }, 30000));
    EXPECT_TRUE(job.sawCancel.load());
}

TEST_F(WorkerThreadTest, AFinishHandledInsideAWaitForMessagesLeavesTheLoopAMessage)
{
    // A loop waiting in GetMessage handles the sent finish inside that wait and returns only
    // for a posted message: without one, its idle pass (which updates the commands the end
    // changed) waits for the user's next move.
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    Job job;
    job.SetAutoDelete(false);
    job.quiet = true;
    Recorder recorder;
    job.AddListener(&recorder);
    ASSERT_TRUE(job.Execute(1));
    constexpr UINT kNoMessage = 0xBFFF;   // a filter nothing posted matches: only the sent finish is handled
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (recorder.Count(kWorkerFinishedMessage) == 0 && std::chrono::steady_clock::now() < deadline) {
        PeekMessageA(&msg, nullptr, kNoMessage, kNoMessage, PM_NOREMOVE);
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ASSERT_EQ(recorder.Count(kWorkerFinishedMessage), 1);
    EXPECT_TRUE(GetQueueStatus(QS_POSTMESSAGE) & QS_POSTMESSAGE) << "the finish leaves the waiting loop a posted message";
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

} // namespace
