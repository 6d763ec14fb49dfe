#pragma once
// Counts what a loop announces: the items it started and completed, and its end.
#include "CDxLoop2.h"
#include "CListener.h"

class CLoopWatcher : public CListener {
public:
    bool ListenToMessage(long message, const void* p, const void* q) override
    {
        if (message == CDxLoop2::kLoopDoneMessage) ++done;
        if (message == CDxLoop2::kLoopItemStartedMessage) ++started;
        if (message == CDxLoop2::kLoopItemCompleteMessage) ++completed;
        return CListener::ListenToMessage(message, p, q);
    }
    int done = 0;
    int started = 0;
    int completed = 0;
};
