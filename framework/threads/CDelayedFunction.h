#pragma once
// Calls a function once on the user-interface thread, shortly after the current
// message has been handled.
#include "CTimer.h"

class CDelayedFunction : public CTimer {
public:
    using Function = int (*)(long a, long b);

    explicit CDelayedFunction(bool autoDelete = true) : m_autoDelete(autoDelete) {}

    void SetFunction(Function function, long a, long b);
    void OnTimer() override;

    // An auto-deleting call of function(a, b) at least 10 ms from now, once the message
    // loop runs again. False when its timer could not be set (nothing will be called).
    static bool Run(Function function, long a, long b);

private:
    Function m_function = nullptr;
    long m_a = 0;
    long m_b = 0;
    bool m_autoDelete;
};
