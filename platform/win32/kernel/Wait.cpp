#include "win32/kernel/Completions.h"
#include "win32/kernel/KernelObject.h"
#include "win32/kernel/Threads.h"
#include "win32/WinError.h"

#include <chrono>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

DWORD WaitObjects(DWORD count, const HANDLE* handles, bool waitAll, DWORD milliseconds, bool alertable)
{
    if (alertable && MvRunCompletions()) return WAIT_IO_COMPLETION;
    if (count == 0 || count > MAXIMUM_WAIT_OBJECTS || !handles) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return WAIT_FAILED;
    }
    std::vector<std::shared_ptr<MvKernelObject>> objects;
    for (DWORD i = 0; i < count; ++i) {
        objects.push_back(MvLookupHandle(handles[i]));
        if (!objects.back()) {
            SetLastError(ERROR_INVALID_HANDLE);
            return WAIT_FAILED;
        }
    }
    const auto deadline = Clock::now() + std::chrono::milliseconds(milliseconds);
    std::unique_lock<std::mutex> lock(MvWaitMutex());
    bool timedOut = false;
    for (;;) {
        if (waitAll) {
            bool all = true;
            for (auto& object : objects) all = all && object->IsSignaled();
            if (all) {
                for (auto& object : objects) object->OnWaitSatisfied();
                return WAIT_OBJECT_0;
            }
        } else {
            for (DWORD i = 0; i < count; ++i) {
                if (objects[i]->IsSignaled()) {
                    objects[i]->OnWaitSatisfied();
                    return WAIT_OBJECT_0 + i;
                }
            }
        }
        if (timedOut) return WAIT_TIMEOUT;
        if (milliseconds == INFINITE) MvWaitCondition().wait(lock);
        else if (MvWaitCondition().wait_until(lock, deadline) == std::cv_status::timeout) timedOut = true;
    }
}

}

DWORD WaitForSingleObject(HANDLE handle, DWORD milliseconds)
{
    return WaitObjects(1, &handle, false, milliseconds, false);
}

DWORD WaitForSingleObjectEx(HANDLE handle, DWORD milliseconds, BOOL alertable)
{
    return WaitObjects(1, &handle, false, milliseconds, alertable != FALSE);
}

DWORD WaitForMultipleObjects(DWORD count, const HANDLE* handles, BOOL waitAll, DWORD milliseconds)
{
    return WaitObjects(count, handles, waitAll != FALSE, milliseconds, false);
}

void Sleep(DWORD milliseconds)
{
    if (milliseconds == 0) std::this_thread::yield();
    else std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

DWORD SleepEx(DWORD milliseconds, BOOL alertable)
{
    // Only the thread itself queues completions, so none can arrive while it sleeps.
    if (alertable && MvRunCompletions()) return WAIT_IO_COMPLETION;
    Sleep(milliseconds);
    return 0;
}
