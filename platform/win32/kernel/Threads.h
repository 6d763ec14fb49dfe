#pragma once
// Kernel threads, events, waits, sleeps and critical sections.
// Every handle here (and every file handle) is released with CloseHandle.
#include "win32/WinTypes.h"

#define INFINITE 0xFFFFFFFFu
#define WAIT_OBJECT_0 0x00000000u
#define WAIT_ABANDONED 0x00000080u
#define WAIT_IO_COMPLETION 0x000000C0u
#define WAIT_TIMEOUT 0x00000102u
#define WAIT_FAILED 0xFFFFFFFFu
#define STILL_ACTIVE 0x00000103u
#define CREATE_SUSPENDED 0x00000004u
#define MAXIMUM_WAIT_OBJECTS 64

// A re-entrant lock; the storage is allocated by InitializeCriticalSection.
struct CRITICAL_SECTION {
    void* lock = nullptr;
};
using LPCRITICAL_SECTION = CRITICAL_SECTION*;

void InitializeCriticalSection(CRITICAL_SECTION* section);
void DeleteCriticalSection(CRITICAL_SECTION* section);
void EnterCriticalSection(CRITICAL_SECTION* section);
void LeaveCriticalSection(CRITICAL_SECTION* section);
BOOL TryEnterCriticalSection(CRITICAL_SECTION* section);

using LPTHREAD_START_ROUTINE = DWORD (*)(LPVOID param);

// The thread runs its routine once resumed; the handle is signalled when the routine returns.
HANDLE CreateThread(void* security, size_t stackSize, LPTHREAD_START_ROUTINE routine, LPVOID param,
                    DWORD flags, DWORD* threadId);
DWORD ResumeThread(HANDLE thread);
BOOL GetExitCodeThread(HANDLE thread, DWORD* exitCode);
DWORD GetCurrentThreadId();

HANDLE CreateEvent(void* security, BOOL manualReset, BOOL initialState, const char* name);
BOOL SetEvent(HANDLE event);
BOOL ResetEvent(HANDLE event);

DWORD WaitForSingleObject(HANDLE handle, DWORD milliseconds);
// Alertable waits run the calling thread's queued completion routines and then return WAIT_IO_COMPLETION.
DWORD WaitForSingleObjectEx(HANDLE handle, DWORD milliseconds, BOOL alertable);
DWORD WaitForMultipleObjects(DWORD count, const HANDLE* handles, BOOL waitAll, DWORD milliseconds);

void Sleep(DWORD milliseconds);
DWORD SleepEx(DWORD milliseconds, BOOL alertable);

BOOL CloseHandle(HANDLE handle);
