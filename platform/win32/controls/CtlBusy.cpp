#include "win32/controls/CtlBusy.h"

#include <vector>

namespace {

thread_local int tDepth = 0;
thread_local std::vector<std::function<void()>>* tPending = nullptr;

} // namespace

CtlBusy::CtlBusy()
{
    ++tDepth;
}

CtlBusy::~CtlBusy()
{
    if (--tDepth > 0 || !tPending) return;
    // Freeing may run handlers of its own; keep the thread busy meanwhile.
    ++tDepth;
    while (tPending && !tPending->empty()) {
        auto free = std::move(tPending->back());
        tPending->pop_back();
        free();
    }
    --tDepth;
    delete tPending;
    tPending = nullptr;
}

bool CtlBusy::Active()
{
    return tDepth > 0;
}

void CtlBusy::Release(std::function<void()> free)
{
    if (tDepth == 0) {
        free();
        return;
    }
    if (!tPending) tPending = new std::vector<std::function<void()>>;
    tPending->push_back(std::move(free));
}
