#include "CDoubleBufferThread.h"
#include "CMvCriticalSection.h"
#include "CMvSingleLock.h"
#include "CSimpleWorkerThread.h"

#include "win32/kernel/Threads.h"
#include "win32/TestThreads.h"
#include "WaitUntil.h"

#include <atomic>
#include <gtest/gtest.h>

#include <sys/syscall.h>
#include <unistd.h>

namespace {

// Takes the section on another thread; true when it got it within the time.
bool OtherThreadGets(CMvCriticalSection& section, DWORD milliseconds)
{
    struct Job {
        CMvCriticalSection* section;
        std::atomic<bool> got{false};
    } job{&section};
    HANDLE thread = CreateThread(nullptr, 0, [](LPVOID p) -> DWORD {
        auto* j = static_cast<Job*>(p);
        j->section->Lock();
        j->got = true;
        j->section->Unlock();
        return 0;
    }, &job, 0, nullptr);
    bool got = WaitForSingleObject(thread, milliseconds) == WAIT_OBJECT_0 && job.got;
    if (!got) {
        // Let it finish before the job goes out of scope.
        section.Unlock();
        WaitForSingleObject(thread, INFINITE);
        section.Lock();
    }
    CloseHandle(thread);
    return got;
}

class GatedJob : public CSimpleWorkerThread {
public:
    explicit GatedJob(std::atomic<int>* deaths = nullptr, bool autoDelete = false) : m_deaths(deaths)
    {
        m_autoDelete = autoDelete;
        m_gate = CreateEvent(nullptr, TRUE, FALSE, nullptr);
    }
    ~GatedJob() override
    {
        if (m_deaths) ++*m_deaths;
        CloseHandle(m_gate);
    }
    void ExecuteSelf(long param) override
    {
        m_thread = static_cast<pid_t>(syscall(SYS_gettid));
        WaitForSingleObject(m_gate, 30000);
        m_seen = param;
    }
    void Open() { SetEvent(m_gate); }
    // The job's thread sleeps at the gate.
    bool Waits() const { return m_thread && MvThreadSleeps(m_thread); }
    std::atomic<long> m_seen{0};
    std::atomic<pid_t> m_thread{0};

private:
    std::atomic<int>* m_deaths;
    HANDLE m_gate;
};

}

TEST(CMvCriticalSection, LocksAreReentrantAndScoped)
{
    CMvCriticalSection section;
    EXPECT_EQ(1, section.Lock());
    EXPECT_EQ(1, section.Lock());
    EXPECT_EQ(1, section.Unlock());
    EXPECT_FALSE(OtherThreadGets(section, 50));
    EXPECT_EQ(1, section.Unlock());
    {
        CMvSingleLock lock(section, true);
        EXPECT_FALSE(OtherThreadGets(section, 50));
    }
    EXPECT_TRUE(OtherThreadGets(section, 5000));
    {
        CMvSingleLock notLocking(section, false);
        EXPECT_TRUE(OtherThreadGets(section, 5000));
    }
    EXPECT_TRUE(OtherThreadGets(section, 5000));
}

TEST(CSimpleWorkerThread, RunsUntilItsJobReturnsAndRunsAgain)
{
    GatedJob job;
    EXPECT_FALSE(job.IsRunning());
    job.Execute(42);
    EXPECT_TRUE(job.IsRunning());
    EXPECT_EQ(42, job.GetParam());
    ASSERT_TRUE(WaitUntil([&] { return job.Waits(); }));
    EXPECT_TRUE(job.IsRunning()) << "a job blocked in its work still runs";
    job.Open();
    ASSERT_TRUE(WaitUntil([&] { return !job.IsRunning(); }));
    EXPECT_EQ(42, job.m_seen.load());
    job.Execute(7);
    ASSERT_TRUE(WaitUntil([&] { return !job.IsRunning(); }));
    EXPECT_EQ(7, job.m_seen.load());
}

TEST(CSimpleWorkerThread, WaitingForTheEndBlocksOnlyWhileTheJobRunsAndGivesUpInTime)
{
    GatedJob job;
    EXPECT_TRUE(job.WaitForEnd(0)) << "nothing started";
    job.Execute(3);
    EXPECT_FALSE(job.WaitForEnd(50)) << "the job still waits at its gate";
    EXPECT_TRUE(job.IsRunning());
    job.Open();
    EXPECT_TRUE(job.WaitForEnd(60000));
    EXPECT_FALSE(job.IsRunning());
    EXPECT_EQ(3, job.m_seen.load());
}

TEST(CSimpleWorkerThread, AnAutoDeletingJobDeletesItselfWhenDone)
{
    std::atomic<int> deaths{0};
    auto* job = new GatedJob(&deaths, true);
    job->Execute(1);
    job->Open();
    EXPECT_TRUE(WaitUntil([&] { return deaths == 1; }));
}

TEST(CDoubleBufferThread, WithoutAControllerItEndsAtOnce)
{
    CDoubleBufferThread thread;
    thread.Execute();
    EXPECT_TRUE(WaitUntil([&] { return !thread.IsRunning(); }));
}
