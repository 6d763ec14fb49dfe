#include "win32/kernel/KernelObject.h"
#include "win32/kernel/Threads.h"
#include "win32/WinError.h"

namespace {

class MvEvent : public MvKernelObject {
public:
    MvEvent(bool manualReset, bool signaled) : m_manualReset(manualReset), m_signaled(signaled) {}
    bool IsSignaled() const override { return m_signaled; }
    void OnWaitSatisfied() override
    {
        if (!m_manualReset) m_signaled = false;
    }
    void Set(bool signaled)
    {
        {
            std::lock_guard<std::mutex> guard(MvWaitMutex());
            m_signaled = signaled;
        }
        if (signaled) MvWaitCondition().notify_all();
    }

private:
    bool m_manualReset;
    bool m_signaled;
};

BOOL SetState(HANDLE event, bool signaled)
{
    auto object = MvLookupHandleAs<MvEvent>(event);
    if (!object) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    object->Set(signaled);
    return TRUE;
}

}

HANDLE CreateEvent(void*, BOOL manualReset, BOOL initialState, const char*)
{
    return MvRegisterHandle(std::make_shared<MvEvent>(manualReset != FALSE, initialState != FALSE));
}

BOOL SetEvent(HANDLE event) { return SetState(event, true); }
BOOL ResetEvent(HANDLE event) { return SetState(event, false); }
