#pragma once
// The root interface of every component object: reference counting and interface lookup.
// Each interface names its id (kIid) and the interface it extends (Base), so that
// TComObject can answer QueryInterface for the whole chain.
#include "win32/WinTypes.h"

using OLECHAR = WCHAR;
using LPOLESTR = OLECHAR*;
using LPCOLESTR = const OLECHAR*;

struct IUnknown {
    static constexpr IID kIid = {0x00000000, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
    using Base = void;

    virtual HRESULT QueryInterface(REFIID iid, void** object) = 0;
    virtual ULONG AddRef() = 0;
    virtual ULONG Release() = 0;

protected:
    virtual ~IUnknown() = default;
};

inline constexpr const IID& IID_IUnknown = IUnknown::kIid;

// Typed QueryInterface: QueryInterfaceTo<ISpAudio>(unknown, &audio).
template <class I>
HRESULT QueryInterfaceTo(IUnknown* unknown, I** object)
{
    if (!object) return E_POINTER;
    *object = nullptr;
    if (!unknown) return E_POINTER;
    return unknown->QueryInterface(I::kIid, reinterpret_cast<void**>(object));
}

// Releases and nulls an interface pointer.
template <class I>
void SafeRelease(I*& object)
{
    if (object) {
        object->Release();
        object = nullptr;
    }
}
