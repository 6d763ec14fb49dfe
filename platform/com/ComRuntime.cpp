#include "com/ComRuntime.h"

#include "com/ClassRegistry.h"

#include <cstdlib>
#include <cstring>

namespace {
thread_local int tInitCount = 0;
}

HRESULT CoInitialize(void* reserved)
{
    return CoInitializeEx(reserved, COINIT_APARTMENTTHREADED);
}

HRESULT CoInitializeEx(void*, DWORD)
{
    return tInitCount++ == 0 ? S_OK : S_FALSE;
}

void CoUninitialize()
{
    if (tInitCount > 0) --tInitCount;
}

int CoInitializeCount()
{
    return tInitCount;
}

HRESULT CoCreateInstance(REFCLSID clsid, IUnknown* outer, DWORD, REFIID iid, void** object)
{
    if (!object) return E_POINTER;
    *object = nullptr;
    if (tInitCount == 0) return CO_E_NOTINITIALIZED;
    if (outer) return CLASS_E_NOAGGREGATION;
    ComClassFactory factory = ComFindClass(clsid);
    if (!factory) return REGDB_E_CLASSNOTREG;
    return factory(iid, object);
}

void* CoTaskMemAlloc(size_t bytes)
{
    return std::malloc(bytes ? bytes : 1);
}

void* CoTaskMemRealloc(void* block, size_t bytes)
{
    return std::realloc(block, bytes ? bytes : 1);
}

void CoTaskMemFree(void* block)
{
    std::free(block);
}

LPOLESTR CoTaskMemDupString(LPCOLESTR text)
{
    if (!text) return nullptr;
    size_t length = 0;
    while (text[length]) ++length;
    auto* copy = static_cast<LPOLESTR>(CoTaskMemAlloc((length + 1) * sizeof(OLECHAR)));
    if (copy) std::memcpy(copy, text, (length + 1) * sizeof(OLECHAR));
    return copy;
}
