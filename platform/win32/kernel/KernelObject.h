#pragma once
// The objects behind kernel handles (for the layer's own sources). A handle is the
// object's address, valid from registration until CloseHandle; the object itself lives
// while anyone (a running thread, a pending wait) still holds it.
#include "win32/WinTypes.h"

#include <condition_variable>
#include <memory>
#include <mutex>

class MvKernelObject {
public:
    virtual ~MvKernelObject() = default;
    // Both called with MvWaitMutex held.
    virtual bool IsSignaled() const { return false; }
    virtual void OnWaitSatisfied() {}
};

HANDLE MvRegisterHandle(std::shared_ptr<MvKernelObject> object);
std::shared_ptr<MvKernelObject> MvLookupHandle(HANDLE handle);

template <class T>
std::shared_ptr<T> MvLookupHandleAs(HANDLE handle)
{
    return std::dynamic_pointer_cast<T>(MvLookupHandle(handle));
}

// Every waitable changes its state under this one lock and then notifies the condition.
std::mutex& MvWaitMutex();
std::condition_variable& MvWaitCondition();
