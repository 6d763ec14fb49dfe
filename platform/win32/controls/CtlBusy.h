#pragma once
// Keeps control models alive while a call into one is on the stack: a parent may destroy a
// control's window from a notice handler, and the model then goes only when the outermost
// call on this thread has returned.
#include <functional>

class CtlBusy {
public:
    CtlBusy();
    ~CtlBusy();
    CtlBusy(const CtlBusy&) = delete;
    CtlBusy& operator=(const CtlBusy&) = delete;

    static bool Active();
    // Runs free now when nothing is busy, else when the outermost call returns.
    static void Release(std::function<void()> free);
};
