#pragma once
// Driving the message loop from elsewhere: another toolkit's event loop watches the
// wake-up descriptor and calls MvProcessPending; tests pump until idle or until a
// condition holds.
#include "win32/Messages.h"

#include <functional>

// Readable while the calling thread has something to handle (posted or sent
// messages, a quit); a backend adds MvNextTimeout() for timers and painting.
int MvGetWakeFd();
// Milliseconds until the calling thread's next timer is due on the current clock;
// 0 when something is due or pending now, -1 when nothing is scheduled.
int MvNextTimeout();
// Handles everything pending for the calling thread without blocking: sent and
// posted messages, due timers, painting. Thread messages go to the thread hook.
// Returns the number of messages handled; stops at WM_QUIT (left in the queue).
int MvProcessPending();

// Called for each message fetched by MvProcessPending or the test pump before it is
// dispatched; returning true means it was handled (accelerators, dialog keys).
using MvPreTranslateHook = std::function<bool(MSG&)>;
void MvSetPreTranslateHook(MvPreTranslateHook hook);       // for the calling thread
bool MvPreTranslate(MSG& msg);                            // runs the hook
// While one lives on a thread, the keys pre-translated there are typed by a control of
// the screen's toolkit: accelerators and a dialog's own keys (Tab, Return, Escape) are
// still taken, but a dialog passes every other key back instead of dispatching it to
// the window model, which would swallow it.
class MvNativeKeyOffer {
public:
    MvNativeKeyOffer();
    ~MvNativeKeyOffer();
    MvNativeKeyOffer(const MvNativeKeyOffer&) = delete;
    MvNativeKeyOffer& operator=(const MvNativeKeyOffer&) = delete;

private:
    bool m_outer;
};
bool MvOfferingNativeKey();
// Thread messages (posted with no window) reach this hook for the calling thread.
using MvThreadMessageHook = std::function<void(const MSG&)>;
void MvSetThreadMessageHook(MvThreadMessageHook hook);

// While a loop of the window layer (GetMessage, WaitMessage: CWinApp::Run, modal
// dialogs) has nothing to do, it calls the thread's wait hook instead of sleeping on
// the wake-up descriptor, so a driving toolkit keeps handling its own events inside
// nested modal loops. The hook returns once wakeFd is readable or timeoutMs passed
// (-1: no limit); returning early is harmless.
using MvWaitHook = std::function<void(int wakeFd, int timeoutMs)>;
void MvSetWaitHook(MvWaitHook hook);

// Test pump on the calling thread.
// Handles everything now pending, repeatedly, until nothing is left; timers fire
// only when due on the clock. Returns the number of messages handled.
int MvPumpUntilIdle(int limit = 100000);
// Pumps until pred() is true or timeoutMs have passed on the clock. On the virtual
// clock the clock jumps to each next timer instead of waiting. True when pred held.
bool MvPumpUntil(const std::function<bool()>& pred, int64_t timeoutMs = 5000);
// Pumps for ms on the clock (advancing the virtual clock timer by timer).
void MvPumpFor(int64_t ms);
// True when a WM_QUIT was reached by the pump; the exit code is in *code.
bool MvQuitPending(int* code = nullptr);
