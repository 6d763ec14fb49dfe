#pragma once
// A message queue per thread: posting, sending (also across threads), and the
// GetMessage / PeekMessage / DispatchMessage loop.
#include "win32/Messages.h"

BOOL PostMessageA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
BOOL PostThreadMessageA(DWORD threadId, UINT message, WPARAM wParam, LPARAM lParam);
// To a window of another thread: blocks until that thread has handled it; while
// waiting, messages sent to the calling thread are handled. 0 when the window or
// its thread is gone.
LRESULT SendMessageA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
BOOL SendNotifyMessageA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
void PostQuitMessage(int exitCode);
BOOL GetMessageA(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax);
BOOL PeekMessageA(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT remove);
LRESULT DispatchMessageA(const MSG* msg);
BOOL TranslateMessage(const MSG* msg);
BOOL WaitMessage();
BOOL InSendMessage();
DWORD GetQueueStatus(UINT flags);
DWORD GetMessageTime();
#define QS_POSTMESSAGE 0x0008
#define QS_TIMER 0x0010
#define QS_PAINT 0x0020
#define QS_SENDMESSAGE 0x0040
#define QS_ALLINPUT 0x04FF

#define PostMessage PostMessageA
#define PostThreadMessage PostThreadMessageA
#define SendMessage SendMessageA
#define SendNotifyMessage SendNotifyMessageA
#define GetMessage GetMessageA
#define PeekMessage PeekMessageA
#define DispatchMessage DispatchMessageA

// The thread id the window manager uses (the kernel's thread id).
DWORD MvCurrentThreadId();
