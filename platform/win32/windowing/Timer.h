#pragma once
// Window and thread timers. WM_TIMER is produced when the queue is otherwise empty
// and a timer is due on the clock of win32/Clock.h; a late timer fires once.
#include "win32/Messages.h"

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapseMs, TIMERPROC proc);
BOOL KillTimer(HWND hwnd, UINT_PTR id);
#define USER_TIMER_MINIMUM 0x0000000A
