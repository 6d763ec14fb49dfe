#include "win32/kernel/Threads.h"
#include "win32/WinError.h"
#include "win32/TestThreads.h"

#include <atomic>
#include <chrono>
#include <thread>
#include <gtest/gtest.h>

#include <sys/syscall.h>
#include <unistd.h>

namespace {

std::atomic<int> sRuns{0};

DWORD CountRun(LPVOID param)
{
    ++sRuns;
    return static_cast<DWORD>(reinterpret_cast<uintptr_t>(param));
}

std::atomic<pid_t> sWaiter{0};

// Notes its thread for the test, then waits for the event.
DWORD WaitForEvent(LPVOID param)
{
    sWaiter = static_cast<pid_t>(syscall(SYS_gettid));
    return WaitForSingleObject(static_cast<HANDLE>(param), 30000) == WAIT_OBJECT_0 ? 1 : 0;
}

}

TEST(Threads, ASuspendedThreadRunsOnlyWhenResumedAndReportsItsExitCode)
{
    sRuns = 0;
    DWORD id = 0;
    HANDLE thread = CreateThread(nullptr, 0, CountRun, reinterpret_cast<LPVOID>(uintptr_t{42}), CREATE_SUSPENDED, &id);
    ASSERT_NE(nullptr, thread);
    EXPECT_NE(0u, id);
    EXPECT_NE(GetCurrentThreadId(), id);
    EXPECT_EQ(WAIT_TIMEOUT, WaitForSingleObject(thread, 30));
    EXPECT_EQ(0, sRuns.load());
    DWORD code = 0;
    EXPECT_TRUE(GetExitCodeThread(thread, &code));
    EXPECT_EQ(STILL_ACTIVE, code);
    EXPECT_EQ(1u, ResumeThread(thread));
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(thread, 30000));
    EXPECT_EQ(1, sRuns.load());
    EXPECT_TRUE(GetExitCodeThread(thread, &code));
    EXPECT_EQ(42u, code);
    EXPECT_TRUE(CloseHandle(thread));
}

TEST(Threads, AutoResetEventsReleaseOneWaitAndManualOnesStaySignalled)
{
    HANDLE automatic = CreateEvent(nullptr, FALSE, TRUE, nullptr);
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(automatic, 0));
    EXPECT_EQ(WAIT_TIMEOUT, WaitForSingleObject(automatic, 0));
    HANDLE manual = CreateEvent(nullptr, TRUE, FALSE, nullptr);
    SetEvent(manual);
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(manual, 0));
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(manual, 0));
    ResetEvent(manual);
    HANDLE both[] = {automatic, manual};
    EXPECT_EQ(WAIT_TIMEOUT, WaitForMultipleObjects(2, both, FALSE, 10));
    SetEvent(manual);
    EXPECT_EQ(WAIT_OBJECT_0 + 1, WaitForMultipleObjects(2, both, FALSE, 0));
    EXPECT_EQ(WAIT_TIMEOUT, WaitForMultipleObjects(2, both, TRUE, 0));
    SetEvent(automatic);
    EXPECT_EQ(WAIT_OBJECT_0, WaitForMultipleObjects(2, both, TRUE, 0));
    EXPECT_EQ(WAIT_FAILED, WaitForSingleObject(reinterpret_cast<HANDLE>(both), 0));
    CloseHandle(automatic);
    CloseHandle(manual);
}

TEST(Threads, AnotherThreadWakesAWaiter)
{
    HANDLE event = CreateEvent(nullptr, FALSE, FALSE, nullptr);
    sWaiter = 0;
    HANDLE thread = CreateThread(nullptr, 0, WaitForEvent, event, 0, nullptr);
    // The event is set once the other thread sleeps in its wait.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!(sWaiter && MvThreadSleeps(sWaiter)) && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    ASSERT_TRUE(sWaiter && MvThreadSleeps(sWaiter));
    SetEvent(event);
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(thread, 30000));
    DWORD code = 0;
    GetExitCodeThread(thread, &code);
    EXPECT_EQ(1u, code);
    CloseHandle(thread);
    CloseHandle(event);
}

TEST(Threads, CriticalSectionsAreReentrantAndExcludeOtherThreads)
{
    static CRITICAL_SECTION section;
    InitializeCriticalSection(&section);
    EnterCriticalSection(&section);
    EXPECT_TRUE(TryEnterCriticalSection(&section));
    LeaveCriticalSection(&section);
    HANDLE other = CreateThread(nullptr, 0, [](LPVOID) -> DWORD {
        BOOL got = TryEnterCriticalSection(&section);
        if (got) LeaveCriticalSection(&section);
        return static_cast<DWORD>(got);
    }, nullptr, 0, nullptr);
    WaitForSingleObject(other, 30000);
    DWORD code = 1;
    GetExitCodeThread(other, &code);
    EXPECT_EQ(0u, code);
    CloseHandle(other);
    LeaveCriticalSection(&section);
    DeleteCriticalSection(&section);
}
