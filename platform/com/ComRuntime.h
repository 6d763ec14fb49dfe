#pragma once
// Per-thread initialisation, object creation by class id, and the task allocator
// through which components hand memory to their callers.
#include "com/Unknown.h"

#include <cstddef>

#define CLSCTX_INPROC_SERVER 0x1
#define CLSCTX_INPROC_HANDLER 0x2
#define CLSCTX_LOCAL_SERVER 0x4
#define CLSCTX_REMOTE_SERVER 0x10
#define CLSCTX_ALL (CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER | CLSCTX_LOCAL_SERVER | CLSCTX_REMOTE_SERVER)

#define COINIT_MULTITHREADED 0x0
#define COINIT_APARTMENTTHREADED 0x2

#define CO_E_NOTINITIALIZED static_cast<HRESULT>(0x800401F0)
#define REGDB_E_CLASSNOTREG static_cast<HRESULT>(0x80040154)
#define CLASS_E_NOAGGREGATION static_cast<HRESULT>(0x80040110)

// Counted per thread: the first call answers S_OK, later ones S_FALSE; each needs
// its CoUninitialize.
HRESULT CoInitialize(void* reserved);
HRESULT CoInitializeEx(void* reserved, DWORD model);
void CoUninitialize();
// How often the calling thread has initialised without uninitialising.
int CoInitializeCount();

// Fails with CO_E_NOTINITIALIZED on a thread that has not initialised, and with
// REGDB_E_CLASSNOTREG for a class id nobody registered.
HRESULT CoCreateInstance(REFCLSID clsid, IUnknown* outer, DWORD context, REFIID iid, void** object);

void* CoTaskMemAlloc(size_t bytes);
void* CoTaskMemRealloc(void* block, size_t bytes);
void CoTaskMemFree(void* block);
// A NUL-terminated copy in task memory (null for null).
LPOLESTR CoTaskMemDupString(LPCOLESTR text);
